#include "engine/dialog_seam.h"

#include "files/text_file.h"

namespace orvika {

QString writeAnnouncement(const QString &name, const std::optional<QString> &failure)
{
    return failure ? writeFailureMessage(name, *failure) : QStringLiteral("Сохранено как: ") + name;
}

} // namespace orvika
