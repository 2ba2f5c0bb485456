#pragma once

#include <memory>

// Installs the real message boxes, shell, beep, file dialogs, printing,
// start-page store and banner fetch for as long as it lives; the application
// object must outlive it.
class DesktopPlatform
{
public:
    DesktopPlatform();
    ~DesktopPlatform();
    DesktopPlatform(const DesktopPlatform &) = delete;
    DesktopPlatform &operator=(const DesktopPlatform &) = delete;

private:
    struct Services;
    std::unique_ptr<Services> m_services;
};
