#include "viewer/model/attribute.h"

namespace tessera::viewer {

const TAttribute* TAttributeList::find(AttrSymbol which) const
{
    for (const TAttribute& attribute : m_items) {
        if (attribute.which == which)
            return &attribute;
    }
    return nullptr;
}

bool TAttributeList::LookupAttribute(AttrSymbol which, TAttribute& out) const
{
    const TAttribute* found = find(which);
    if (found)
        out = *found;
    return found != nullptr;
}

std::string TAttributeList::text(AttrSymbol which) const
{
    const TAttribute* found = find(which);
    return found ? found->name : std::string();
}

} // namespace tessera::viewer
