#include "core/name_order.h"

#include <QCollator>
#include <algorithm>
#include <numeric>
#include <vector>

namespace kivra {

QList<qsizetype> NameOrder(const QStringList& names) {
    // The C locale collates by code point, which puts "École" after "Zebra": where the user
    // set no language, English collation is the neutral choice.
    QLocale locale;
    if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // One key per name, made once: comparing keys is far cheaper than collating each pair.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const QString& name : names) keys.push_back(collator.sortKey(name));
    QList<qsizetype> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int c = keys[a].compare(keys[b]);
        return c != 0 ? c < 0 : names[a] < names[b];
    });
    return order;
}

}  // namespace kivra
