#pragma once

#include <QString>

namespace kvizar {

// The prize for answering question k (1 to 15), in plain digits, as the host quotes stakes.
inline const char *const kStake[16] = {"",      "100",   "200",   "300",    "500",    "1000",   "2000",   "4000",
                                       "8000",  "16000", "32000", "64000",  "125000", "250000", "500000", "1000000"};

}  // namespace kvizar
