#include "app/ErrorReport.h"

#include "data/Platform.h"

void reportError(const QString &text)
{
    messages().show(text, QStringLiteral("Velmora"), MessageIcon::Error);
}
