#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What the rotation asks of the banner's web-browser control.
class BannerBrowser
{
public:
    virtual ~BannerBrowser() = default;
    virtual void navigate(const QString &address) = 0;
    virtual void setBrowserVisible(bool visible) = 0;
    virtual void setTop(int top) = 0;
};

inline constexpr char bannerListPath[] = "/Chinese/CPC/loginfo.html";
inline constexpr char bannerFlagPath[] = "/Chinese/SysInfo/logFlagvlmr.htm";
// Out of the strip, so that the banner picture shows.
inline constexpr int browserTopWhenOff = -200;
// The next tick after an entry whose display time is not a whole number.
inline constexpr int fallbackIntervalMs = 10000;

// The lines of a text as a memo control keeps them: CR LF, CR or LF end a
// line, and a break at the very end makes no extra empty line.
QStringList memoLines(const QString &text);

// The banner list and switch as fetched at start-up, and the rotation over them.
class BannerRotation
{
public:
    // What start-up received; an empty optional is a fetch that failed.
    struct Received
    {
        std::optional<QByteArray> list;
        std::optional<QByteArray> firstFlag;
        std::optional<QByteArray> secondFlag;
    };

    // Takes the list and the switch; then hides or moves the browser.
    void prepare(const Received &received, BannerBrowser &browser);

    // Field 0 (enable mark), 1 (display time) or 2 (address) of a line.
    QString GetBannerField(int kind, int line) const;

    // One tick of the timer. Returns the timer's next interval in
    // milliseconds, 0 to stop the timer, or -1 to leave it as it is.
    int tick(BannerBrowser &browser);

    const QStringList &lines() const { return m_lines; }
    QString text() const { return m_text; }

    int BannerPos = 0;
    int BannerLast = -1;
    int BannerOn = 0;

private:
    bool isEntry(int line) const;

    QString m_text;
    QStringList m_lines;
};
