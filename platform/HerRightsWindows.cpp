#include "HerRights.h"

#include <QByteArray>

#include <aclapi.h>
#include <sddl.h>

namespace {

QByteArray tokenUser()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(qsizetype(size), '\0');
    QByteArray sid;
    if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        PSID user = reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid;
        sid = QByteArray(static_cast<const char *>(user), qsizetype(GetLengthSid(user)));
    }
    CloseHandle(token);
    return sid;
}

} // namespace

HerRights::HerRights()
    : m_user(tokenUser())
{
    wchar_t *sid = nullptr;
    if (m_user.isEmpty() || !ConvertSidToStringSidW(PSID(m_user.data()), &sid))
        return;
    // P: protected, nothing inherited from above; OICI: what is made inside
    // a folder of hers takes the same list.
    const std::wstring sddl = L"D:P(A;OICI;FA;;;" + std::wstring(sid) + L")(A;OICI;FA;;;SY)";
    LocalFree(sid);
    ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &m_descriptor, nullptr);
    m_attributes.nLength = sizeof m_attributes;
    m_attributes.lpSecurityDescriptor = m_descriptor;
}

HerRights::~HerRights()
{
    LocalFree(m_descriptor);
}

bool HerRights::narrow(HANDLE file) const
{
    // Her descriptor as it is, on the file alone. Wine 8's SetSecurityInfo
    // leaves a file it narrows readable by Everyone (measured: a list of her
    // and SYSTEM came back with "(A;;0x1200a9;;;WD)"); this call sets what
    // it is given, on Windows as under Wine.
    return m_descriptor
        && SetKernelObjectSecurity(file, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, m_descriptor);
}

bool HerRights::ownsOrTrusted(HANDLE object) const
{
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(object, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                        &descriptor)
        != ERROR_SUCCESS)
        return true; // a disk without owners (FAT, a network share) has no other account to fear
    const bool trusted = !owner || (!m_user.isEmpty() && EqualSid(owner, PSID(m_user.data())))
        || IsWellKnownSid(owner, WinLocalSystemSid) || IsWellKnownSid(owner, WinBuiltinAdministratorsSid);
    LocalFree(descriptor);
    return trusted;
}
