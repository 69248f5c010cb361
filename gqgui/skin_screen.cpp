#include "gqgui/skin_screen.h"

tcSkinScreenObj& tcSkinScreen::object(const tcSkinName& objectId)
{
    for (tcSkinScreenObj& existing : objects) {
        if (existing.id == objectId)
            return existing;
    }
    objects.push_back(tcSkinScreenObj{objectId, QString(), QString(), 0, 0});
    return objects.back();
}
