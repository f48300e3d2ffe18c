#include "workspace/pages/caption.h"

QString formCaption(const QString& fileName)
{
    return QStringLiteral("Tessera! - ") + fileName.toUpper();
}
