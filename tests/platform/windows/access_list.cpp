// Prints a file's access list as Windows tells it (SDDL), read back by name
// with GetNamedSecurityInfo, as any other program on her computer would.
// usage: access_list PATH

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <cstdio>

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: access_list PATH\n");
        return 2;
    }
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(argv[1], SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr, nullptr,
                              &descriptor)
        != ERROR_SUCCESS) {
        std::printf("unreadable\n");
        return 1;
    }
    wchar_t *text = nullptr;
    const bool told = ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1,
                                                                           DACL_SECURITY_INFORMATION, &text, nullptr);
    if (told)
        std::printf("%ls\n", text);
    LocalFree(text);
    LocalFree(descriptor);
    return told ? 0 : 1;
}
