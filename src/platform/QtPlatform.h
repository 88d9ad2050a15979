#pragma once
// The Qt implementations of every platform interface, owned together.

#include "platform/Platform.h"

#include <memory>

class QtPlatform
{
public:
    QtPlatform();
    ~QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // References into this object: valid while it lives.
    Platform platform();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};
