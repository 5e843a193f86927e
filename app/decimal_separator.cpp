#include "decimal_separator.h"

#include <clocale>
#include <langinfo.h>

namespace app
{

std::string LocaleDecimalSeparator()
{
    if (std::setlocale(LC_NUMERIC, "") == nullptr)
        return ".";
    const char *separator = nl_langinfo(RADIXCHAR);
    return separator != nullptr && *separator != '\0' ? separator : ".";
}

} // namespace app
