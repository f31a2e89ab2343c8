#include "Redirect.h"

namespace {

// A reparse point without a tag (Wine's view of a host's link) is taken for a link.
bool redirects(DWORD attributes, DWORD tag)
{
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) && (tag == 0 || IsReparseTagNameSurrogate(tag));
}

} // namespace

bool redirectsElsewhere(const std::wstring &path)
{
    WIN32_FIND_DATAW found {};
    const HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false; // nothing there yet
    FindClose(search);
    // For a reparse point, dwReserved0 holds its tag.
    return redirects(found.dwFileAttributes, found.dwReserved0);
}

bool redirectsElsewhere(HANDLE opened)
{
    FILE_ATTRIBUTE_TAG_INFO tag {};
    if (!GetFileInformationByHandleEx(opened, FileAttributeTagInfo, &tag, sizeof tag))
        return true; // not known to be plain: taken for a link
    return redirects(tag.FileAttributes, tag.ReparseTag);
}
