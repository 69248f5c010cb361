#pragma once

#include <QString>

class tcGuiObject;

// One entry of a group's binding list: the object ID the rest of the system knows an
// object by, and the skin id text it is found by.
struct tcBindingEntry
{
    int id;
    const char* name;
};

// One bound object of a control group: its object ID, its name and the skin object of
// that name, or none when the skin does not define it. The object belongs to the bench.
struct tcControlBinding
{
    int id;
    QString name;
    tcGuiObject* object;
};
