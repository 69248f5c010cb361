#include "gqgui/skin_attributes.h"

#include <cstring>

const char* tcSkinAttributes::get(const char* name) const
{
    for (const char** pair = m_pairs; pair && pair[0]; pair += 2) {
        if (std::strcmp(pair[0], name) == 0)
            return pair[1];
    }
    return nullptr;
}
