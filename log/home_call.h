#pragma once

#include <QString>

class CountryFile;

// The home call of a call as operated, the station a card is addressed to and
// whose bureau it goes through: "EA8/ON4AAA", "VP2V/K5PI" and "KH6/K1A" give
// ON4AAA, K5PI and K1A; "K1ABC/P", "K1ABC/QRP", "K1ABC/MM" and "K1ABC/AM" give
// K1ABC; "VE3/ON4ABCDEF/QRP" gives ON4ABCDEF.
//
// A part is where the station operated from when it is one of the country
// file's prefixes (not its whole-call entries), or when it has at most four
// characters and ends in a digit (W4, VP2, 3D2, the call area of K1ABC/4). The
// home call is the longest other part that is a callsign (the first on a tie);
// a call without such a part keeps its longest part. A call none of whose
// parts holds a digit ("/P", "/QRP") has no home call: empty. Upper case;
// `countries` may be null.
QString homeCallOf(const QString& call, const CountryFile* countries);

// A trailing part that is no place: portable, mobile, low power, maritime and
// aeronautical mobile.
bool isOperatingSuffix(const QString& part);
