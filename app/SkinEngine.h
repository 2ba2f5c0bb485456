#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Skins are Qt style sheets applied to the whole application, so one engine
// governs every window, including those opened later.
class SkinEngine : public QObject
{
    Q_OBJECT
public:
    // Active, with the built-in skin applied.
    explicit SkinEngine(QObject *parent = nullptr);
    ~SkinEngine() override;

    // Loads the skin file at a full path and re-skins every window; when no
    // readable file is there, the current skin stays and nothing is reported.
    bool setSkinFile(const QString &path);
    const QString &skinFile() const { return m_skinFile; }
    const QString &styleSheet() const { return m_styleSheet; }

    bool active() const { return m_active; }
    // True applies the current skin; false shows the unskinned look.
    void setActive(bool active);

    static QString builtInSkin();

private:
    void apply();

    QString m_styleSheet;
    QString m_skinFile;
    bool m_active = true;
};

// A control tagged 99 keeps its own look: it carries a complete style sheet of
// its own, which Qt prefers to the skin's rules.
inline constexpr int unskinnedTag = 99;
void keepOwnLook(QWidget *control, const QString &styleSheet);
