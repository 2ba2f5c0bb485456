#include "app/BannerView.h"

#include <QVBoxLayout>

#ifdef VELMORA_HAVE_WEBENGINE
#include <QUrl>
#include <QWebEngineView>
#endif

BannerView::BannerView(QWidget *parent) : QWidget(parent)
{
#ifdef VELMORA_HAVE_WEBENGINE
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QWebEngineView(this);
    layout->addWidget(m_view);
#else
    hide();
#endif
}

bool BannerView::canShowPages()
{
#ifdef VELMORA_HAVE_WEBENGINE
    return true;
#else
    return false;
#endif
}

void BannerView::navigate(const QString &address)
{
    m_address = address;
#ifdef VELMORA_HAVE_WEBENGINE
    m_view->setUrl(QUrl(address));
#endif
}

void BannerView::setBrowserVisible(bool visible)
{
    setVisible(visible && canShowPages());
}

void BannerView::setTop(int top)
{
    move(x(), top);
}
