#pragma once

#include "screens/control.h"

#include <QString>

#include <gtest/gtest-printers.h>

#include <ostream>

// Test failures show texts as text.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace kvizar {
template <class T> void PrintTo(const Property<T> &p, std::ostream *os)
{
    ::testing::internal::UniversalPrinter<T>::Print(p.get(), os);
}
}  // namespace kvizar
