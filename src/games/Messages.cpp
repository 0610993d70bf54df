#include "games/Messages.h"

namespace zek {

Message notEnoughWords(const QString &title)
{
    return {title, QStringLiteral("Es sind nicht genügend Wörter vorhanden!\r\r")};
}

} // namespace zek
