#pragma once

#include "gqgui/skin_name.h"

#include <QString>

#include <vector>

// A reference to an object inside a screen record of the skin.
struct tcSkinScreenObj
{
    tcSkinName id;
    QString objref;
    QString meta;
    int xoffset = 0;
    int yoffset = 0;
};

// A screen record of the skin: read and kept in document order, consulted by nothing else.
struct tcSkinScreen
{
    tcSkinName id;
    QString meta;
    QString image;
    QString title;
    bool visible = false;
    int x = 0;
    int y = 0;
    int number = 0;
    std::vector<tcSkinScreenObj> objects;

    // The reference of that id in this screen, appended when there is none.
    tcSkinScreenObj& object(const tcSkinName& objectId);
};
