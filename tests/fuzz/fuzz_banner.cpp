// The banner list and its rotation over anything the server might send: only
// http and https addresses are ever navigated, and the position stays in the list.
//
// Input: one byte saying which fetches succeeded (bit 0 the list, bits 1 and 2
// the flag fetches), two bytes of flag file, then the list.
#include "FuzzCheck.h"

#include "app/Banner.h"

#include <QUrl>

namespace {

class CheckingBrowser final : public BannerBrowser
{
public:
    void navigate(const QString &address) override
    {
        const QString scheme = QUrl(address).scheme().toLower();
        FUZZ_CHECK(scheme == QLatin1String("http") || scheme == QLatin1String("https"), address.left(80));
        ++navigations;
    }
    void setBrowserVisible(bool) override {}
    void setTop(int) override {}

    int navigations = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const QByteArray flag = fuzzBytes(data + 1, 2);
    BannerRotation::Received received;
    if (data[0] & 1)
        received.list = fuzzBytes(data + 3, size - 3);
    if (data[0] & 2)
        received.firstFlag = flag;
    if (data[0] & 4)
        received.secondFlag = flag;

    BannerRotation banner;
    CheckingBrowser browser;
    banner.prepare(received, browser);
    FUZZ_CHECK(banner.BannerOn >= 0 && banner.BannerOn <= 9, QString::number(banner.BannerOn));
    FUZZ_CHECK(banner.BannerLast == banner.lines().size() - 1, QString::number(banner.BannerLast));
    for (int line = -1; line <= banner.BannerLast + 1; ++line) {
        for (int kind = -1; kind <= 3; ++kind)
            (void)banner.GetBannerField(kind, line);
    }

    // Enough ticks to go round the list twice.
    const int ticks = std::min(2 * (banner.BannerLast + 2), 400);
    for (int i = 0; i < ticks; ++i) {
        const int next = banner.tick(browser);
        FUZZ_CHECK(next >= -1, QString::number(next));
        FUZZ_CHECK(banner.BannerPos >= 0 && banner.BannerPos <= banner.BannerLast + 1, QString::number(banner.BannerPos));
    }
    FUZZ_CHECK(banner.BannerOn != 0 || browser.navigations == 0, QString::number(browser.navigations));
    return 0;
}
