#include "viewer/model/sectionbase.h"

namespace tessera::viewer {

void TSectionBase::CopyToClipboard(ClipBuffer&, int, int) const {}

int TSectionBase::FindString(const std::string&, int) const { return -1; }

void TSectionBase::AddText(std::string_view, SourceRange) {}

} // namespace tessera::viewer
