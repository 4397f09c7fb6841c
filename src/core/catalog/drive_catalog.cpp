// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog_record.h"
#include "catalog_table.h"

#include <array>

namespace kavro {

namespace {

// Drive records: name, motor size, torque (Nm), speed (rpm), control
// ("1" radio, "0" wired), emergency crank ("True"/"False"), article.
// The Pravel, MR 40 and nirla tables end with their narrow-construction row,
// one beyond the count that the wide selection scans.
constexpr std::array<std::string_view, 7> kPravel = {
    "Pravel 50 KVL 6/17|50|6|17|1|False|4100001|",
    "Pravel 50 KVL 10/17|50|10|17|1|False|4100002|",
    "Pravel 50 KVL 15/17|50|15|17|1|False|4100003|",
    "Pravel 50 KVL 20/17|50|20|17|1|False|4100004|",
    "Pravel 50 KVL 30/17|50|30|17|1|False|4100005|",
    "Pravel 50 KVL 40/17|50|40|17|1|False|4100006|",
    "Pravel 50 S KVL 6/17|50|6|17|1|False|4100007|",
};

constexpr std::array<std::string_view, 9> kSenta = {
    "Senta 40 KVL 4/14|40|4|14|1|False|4100008|",
    "Senta 40 KVL 9/14|40|9|14|1|False|4100009|",
    "Senta 40 KVL 13/8|40|13|8|1|False|4100010|",
    "Senta 50 KVL 50/12|50|50|12|1|False|4100011|",
    "Senta 60 KVL 55/17|60|55|17|1|False|4100012|",
    "Senta 60 KVL 70/17|60|70|17|1|False|4100013|",
    "Senta 60 KVL 85/17|60|85|17|1|False|4100014|",
    "Senta 60 KVL 100/12|60|100|12|1|False|4100015|",
    "Senta 60 KVL 120/12|60|120|12|1|False|4100016|",
};

constexpr std::array<std::string_view, 4> kMr40 = {
    "MR 40 Ebro|40|4|14|0|False|4100042|",
    "MR 40 Gala 9/14|40|9|14|0|False|4100043|",
    "MR 40 Hoya 13/8|40|13|8|0|False|4100044|",
    "MR 40 Ebro S|40|4|14|0|False|4100045|",
};

constexpr std::array<std::string_view, 5> kTerna = {
    "Terna 2 50 QB 6/12|50|6|12|0|False|4100046|",
    "Terna 2 50 QB 10/12|50|10|12|0|False|4100047|",
    "Terna 2 50 QB 20/12|50|20|12|0|False|4100048|",
    "Terna 2 50 QB 30/12|50|30|12|0|False|4100049|",
    "Terna 2 50 QB 40/12|50|40|12|0|False|4100050|",
};

constexpr std::array<std::string_view, 24> kKx = {
    "KX 50 Fen 8/17|50|8|17|0|False|4100051|",
    "KX 50 Lira 10/17|50|10|17|0|False|4100052|",
    "KX 50 Norn 15/17|50|15|17|0|False|4100053|",
    "KX 50 Pika 20/17|50|20|17|0|False|4100054|",
    "KX 50 Roda 25/17|50|25|17|0|False|4100055|",
    "KX 50 Sivo 30/17|50|30|17|0|False|4100056|",
    "KX 50 Tama 35/17|50|35|17|0|False|4100057|",
    "KX 50 Ulma 40/17|50|40|17|0|False|4100058|",
    "KX 50 Varo 45/12|50|45|12|0|False|4100059|",
    "KX 50 Pika NHK KVL 20/17|50|20|17|1|True|4100060|",
    "KX 50 Ulma NHK KVL 40/17|50|40|17|1|True|4100061|",
    "KX 60 Wena 55/17|60|55|17|0|False|4100062|",
    "KX 60 Xara 60/12|60|60|12|0|False|4100063|",
    "KX 60 Yuma 80/12|60|80|12|0|False|4100064|",
    "KX 60 Zola 100/12|60|100|12|0|False|4100065|",
    "KX 60 Bexa 120/12|60|120|12|0|False|4100066|",
    "KX 50 Fen NHK 8/17|50|8|17|0|True|4100067|",
    "KX 50 Pika NHK 20/17|50|20|17|0|True|4100068|",
    "KX 50 Roda NHK 25/17|50|25|17|0|True|4100069|",
    "KX 50 Ulma NHK 40/17|50|40|17|0|True|4100070|",
    "KX 60 Xara NHK 60/12|60|60|12|0|True|4100071|",
    "KX 60 Yuma NHK 80/12|60|80|12|0|True|4100072|",
    "KX 60 Zola NHK 100/12|60|100|12|0|True|4100073|",
    "KX 60 Bexa NHK 120/12|60|120|12|0|True|4100074|",
};

constexpr std::array<std::string_view, 7> kNirla = {
    "nirla 50 PX 6/17|50|6|17|0|False|4100075|",   "nirla 50 PX 10/17|50|10|17|0|False|4100076|",
    "nirla 50 PX 15/17|50|15|17|0|False|4100077|", "nirla 50 PX 20/17|50|20|17|0|False|4100078|",
    "nirla 50 PX 30/17|50|30|17|0|False|4100079|", "nirla 50 PX 35/17|50|35|17|0|False|4100080|",
    "nirla 50 S PX 6/17|50|6|17|0|False|4100081|",
};

static_assert(recordsFit(kPravel) && recordsFit(kSenta) && recordsFit(kMr40) &&
              recordsFit(kTerna) && recordsFit(kKx) && recordsFit(kNirla));

} // namespace

void fillDriveTables(CatalogTables& tables) {
    tables.pravel.fill(kPravel, 6);
    tables.senta.fill(kSenta, 9);
    tables.mr40.fill(kMr40, 3);
    tables.terna.fill(kTerna, 5);
    tables.kx.fill(kKx, 24);
    tables.nirla.fill(kNirla, 6);
}

} // namespace kavro
