#pragma once
// A layer between her history's file and its image in memory: the file
// holds the image sealed (encrypted for a protected name), and only the key
// held here opens it. Without one, the file is the image itself.

#include "HistoryProblem.h"

#include <QByteArray>

class ImageSeal
{
public:
    virtual ~ImageSeal() = default;
    // The image the file's bytes hold; a problem, and nothing, when they are
    // not this key's (a wrong passphrase, a damaged or newer file).
    virtual HistoryProblem open(const QByteArray &file, QByteArray &image) const = 0;
    // The bytes to write for the image, or nothing when it could not be sealed.
    virtual QByteArray seal(const QByteArray &image) const = 0;
    // Memory that held an image, overwritten before it is given back.
    virtual void wipe(void *bytes, size_t size) const = 0;
    // An image that is done with (the last copy: a shared one is only detached).
    void wipe(QByteArray &image) const
    {
        if (image.isDetached())
            wipe(image.data(), size_t(image.size()));
        image.clear();
    }
};
