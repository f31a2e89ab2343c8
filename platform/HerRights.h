#pragma once
// Windows' access lists for her files and folders: for her account and the
// system alone, not inherited from the folder above (what mode 0600/0700
// says on Linux), whatever the folder they are made in allows others.

#include <QByteArray>

#include <windows.h>

class HerRights
{
public:
    HerRights();
    ~HerRights();
    HerRights(const HerRights &) = delete;
    HerRights &operator=(const HerRights &) = delete;

    // For CreateFileW or CreateDirectoryW; null (the folder's rights) when
    // her account could not be found.
    SECURITY_ATTRIBUTES *attributes() { return m_descriptor ? &m_attributes : nullptr; }

    // Gives an open file of hers her rights alone; false when it could not.
    bool narrow(HANDLE file) const;

    // Whether an open file or folder belongs to her, or to the system or
    // its administrators (never to another account).
    bool ownsOrTrusted(HANDLE object) const;

private:
    PSECURITY_DESCRIPTOR m_descriptor = nullptr;
    SECURITY_ATTRIBUTES m_attributes {};
    QByteArray m_user; // her account's SID
};
