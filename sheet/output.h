#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace sheet {

// Writes all of `bytes` to `device`; an empty string when every byte was taken, otherwise the
// reason in plain words.
QString writeAll(QIODevice *device, const QByteArray &bytes);

} // namespace sheet
