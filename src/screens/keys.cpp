#include "keys.h"

#include <QtCore/qnamespace.h>

#include <string_view>

namespace kvizar {

int russianOnKey(char latin)
{
    // The letter keys of a Latin keyboard, A to Z, and what the Russian layout puts on them.
    static constexpr std::u16string_view kRussian = u"ФИСВУАПРШОЛДЬТЩЗЙКЫЕГМЦЧНЯ";
    if (latin >= 'a' && latin <= 'z')
        latin = char(latin - 'a' + 'A');
    if (latin < 'A' || latin > 'Z')
        return 0;
    return kRussian[std::size_t(latin - 'A')];
}

std::vector<int> letterKeys(char latin)
{
    return {Qt::Key_A + (latin - 'A'), russianOnKey(latin)};
}

}  // namespace kvizar
