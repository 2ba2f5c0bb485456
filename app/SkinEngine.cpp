#include "app/SkinEngine.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

SkinEngine::SkinEngine(QObject *parent) : QObject(parent), m_styleSheet(builtInSkin())
{
    apply();
}

SkinEngine::~SkinEngine() = default;

QString SkinEngine::builtInSkin()
{
    QFile file(QStringLiteral(":/velmora/BuiltinSkin.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool SkinEngine::setSkinFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_styleSheet = QString::fromUtf8(file.readAll());
    m_skinFile = path;
    if (m_active)
        apply();
    return true;
}

void SkinEngine::setActive(bool active)
{
    m_active = active;
    apply();
}

void SkinEngine::apply()
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        app->setStyleSheet(m_active ? m_styleSheet : QString());
}

void keepOwnLook(QWidget *control, const QString &styleSheet)
{
    control->setProperty("tag", unskinnedTag);
    control->setStyleSheet(styleSheet);
}
