#include "presentation/text.h"

#include <QCoreApplication>

namespace wagecourt {

QString translateText(const char *context, const char *english)
{
    return QCoreApplication::translate(context, english);
}

} // namespace wagecourt
