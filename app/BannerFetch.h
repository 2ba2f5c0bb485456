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

// Where the main window gets its banner list and switch at start-up.
class BannerSource
{
public:
    virtual ~BannerSource() = default;
    virtual BannerRotation::Received fetch() = 0;
};

// The maker's server over HTTP, or another server a test or benchmark names.
class HttpBannerSource final : public BannerSource
{
public:
    HttpBannerSource();
    explicit HttpBannerSource(const QString &serverUrl) : m_serverUrl(serverUrl) {}
    BannerRotation::Received fetch() override { return fetchBanner(m_serverUrl); }

private:
    QString m_serverUrl;
};

// Until a source is installed nothing is fetched and the banner stays off, so
// nothing but the program itself ever reaches the maker's server.
BannerSource &bannerSource();
void setBannerSource(BannerSource *source);
