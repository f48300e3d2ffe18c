#include "workspace/editing/bracepartner.h"

#include "editor/tledit.h"

void WebPageFindBrace(FindBraceRequest& request)
{
    const quint32 item = request.request >> 16;
    request.partner = 0;
    request.direction = FindBraceRequest::NoPartner;
    if ((request.request & FindBraceRequest::flagPartner) == 0 || item == 0)
        return;
    const bool opening = item % 2 == 1;
    // The partner's number must fit the 16 bits it is carried in.
    if (opening && item == 0xFFFF)
        return;
    request.partner = (opening ? item + 1 : item - 1) << 16;
    request.direction = opening ? FindBraceRequest::Forward : FindBraceRequest::Backward;
}
