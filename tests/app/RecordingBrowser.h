#pragma once

#include "app/Banner.h"

#include <QStringList>

// Records what the banner asked of its browser.
class RecordingBrowser final : public BannerBrowser
{
public:
    void navigate(const QString &address) override { navigated << address; }
    void setBrowserVisible(bool visible) override { this->visible = visible; }
    void setTop(int top) override { this->top = top; }

    QStringList navigated;
    bool visible = true;
    int top = -16;
};
