#pragma once

#include <QString>

class tcGuiObject;

// One entry of a group's binding list: the object ID the rest of the system knows an
// object by, the skin id text it is found by, and the kind of object the group drives
// (SKIN_ANY_KIND for backgrounds and labels, which the group only shows and hides).
struct tcBindingEntry
{
    int id;
    const char* name;
    int kind;
};

// One bound object of a control group: its object ID, its name and the skin object of
// that name, or none when the skin does not define it. The object belongs to the bench.
struct tcControlBinding
{
    int id;
    QString name;
    tcGuiObject* object;
};
