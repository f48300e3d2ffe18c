#pragma once

struct FindBraceRequest;

// The answer to the editor's bracket question: an odd item pairs with the next one, searched
// forward; an even item with the one before it, searched backward; anything else has no partner.
void WebPageFindBrace(FindBraceRequest& request);
