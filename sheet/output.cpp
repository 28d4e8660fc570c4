#include "output.h"

#include <QCoreApplication>
#include <QIODevice>

namespace sheet {

QString writeAll(QIODevice *device, const QByteArray &bytes)
{
    if (!device || !device->isWritable())
        return QCoreApplication::translate("sheet::Output", "the file is not open for writing");
    if (device->write(bytes) == bytes.size())
        return {};
    const QString reason = device->errorString();
    return reason.isEmpty() || reason == QLatin1String("Unknown error")
            ? QCoreApplication::translate("sheet::Output", "not everything could be written")
            : reason;
}

} // namespace sheet
