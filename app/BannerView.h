#pragma once

#include "app/Banner.h"

#include <QWidget>

class QWebEngineView;

// The banner's web-browser control. Where Qt WebEngine is not built in, it
// stays hidden and only remembers the address, so the strip shows the banner
// picture beneath it.
class BannerView : public QWidget, public BannerBrowser
{
    Q_OBJECT
public:
    explicit BannerView(QWidget *parent = nullptr);

    void navigate(const QString &address) override;
    void setBrowserVisible(bool visible) override;
    void setTop(int top) override;

    const QString &address() const { return m_address; }
    static bool canShowPages();

private:
    QWebEngineView *m_view = nullptr;
    QString m_address;
};
