#pragma once

#include "app/Banner.h"

#include <QString>

// The three start-up fetches hold up the main window, so together they get
// one deadline; a fetch past it counts as failed.
inline constexpr int bannerDeadlineMs = 2000;
// A larger response is no banner list or flag file.
inline constexpr qint64 bannerMaxResponseBytes = 64 * 1024;

// Fetches the banner list and then the flag file twice from the maker's server
// (scheme, host and optional port), blocking. The first failure ends the
// sequence; the later fetches are then not made.
BannerRotation::Received fetchBanner(const QString &serverUrl, int deadlineMs = bannerDeadlineMs);

// The maker's server as built; tests point it at a server of their own.
QString bannerServerUrl();
void setBannerServerUrl(const QString &url);
