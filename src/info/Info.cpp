#include "Info.h"

namespace zek {

QString Info::notice()
{
    return QStringLiteral("Dieses Programm darf frei benutzt und weitergegeben werden. "
                          "Verkauft werden darf es nicht.\r\nAlle Rechte bleiben beim Autor.");
}

QString Info::rights() { return QStringLiteral("\u00a9 2024\u20132026 ZEK-Lernkartei\r\nkartei@example.org"); }

QString Info::webAddress() { return QStringLiteral("www.example.org/zek"); }

} // namespace zek
