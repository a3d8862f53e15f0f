#include "views/CShoppingList.h"

#include "data/CADODataBase.h"
#include "data/CADORecordset.h"
#include "records/CTask.h"

#include <algorithm>

namespace {
// Where an aisle falls in a walk through the shop: numbered aisles, named ones, then none.
enum class AisleKind
{
    Numbered,
    Named,
    None
};

struct AisleKey
{
    AisleKind kind = AisleKind::None;
    long number = 0;
    QString name;
};

AisleKey KeyOf(const QString& aisle)
{
    AisleKey key;
    key.name = aisle.trimmed();
    if (key.name.isEmpty()) {
        return key;
    }
    bool numbered = false;
    key.number = key.name.toLong(&numbered);
    key.kind = numbered ? AisleKind::Numbered : AisleKind::Named;
    return key;
}

int CompareText(const QString& left, const QString& right)
{
    return QString::localeAwareCompare(left.toCaseFolded(), right.toCaseFolded());
}

bool WalkOrder(const CShoppingList::Item& left, const CShoppingList::Item& right)
{
    const AisleKey a = KeyOf(left.aisle);
    const AisleKey b = KeyOf(right.aisle);
    if (a.kind != b.kind) {
        return a.kind < b.kind;
    }
    if (a.kind == AisleKind::Numbered && a.number != b.number) {
        return a.number < b.number;
    }
    if (a.kind == AisleKind::Named) {
        if (const int order = CompareText(a.name, b.name)) {
            return order < 0;
        }
    }
    return CompareText(left.description, right.description) < 0;
}
} // namespace

bool CShoppingList::Load()
{
    m_stores.clear();
    CADORecordset rows(AppDatabase());
    if (!rows.Open(QStringLiteral("SELECT * FROM Tasks WHERE TaskType = %1 AND Status = %2 ORDER BY TaskId;")
                       .arg(CTask::kShoppingType)
                       .arg(CTask::Active))) {
        return false;
    }
    for (; !rows.IsEof(); rows.MoveNext()) {
        CTask task;
        task.ReadRow(rows);
        Add(task);
    }
    Arrange();
    return true;
}

float CShoppingList::Total() const
{
    float total = 0.0f;
    for (const Store& store : m_stores) {
        total += store.total;
    }
    return total;
}

// Stores typed in different cases are one shop; the first spelling met names it.
void CShoppingList::Add(const CTask& task)
{
    const QString name = task.GetStore().trimmed();
    auto store = std::find_if(m_stores.begin(), m_stores.end(), [&name](const Store& known) {
        return known.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (store == m_stores.end()) {
        m_stores.append(Store{name, {}, 0.0f});
        store = m_stores.end() - 1;
    }
    store->items.append(Item{task.GetDescription(), task.GetQuantity(), task.GetUnit(), task.GetPrice(),
                             task.UsesCoupon(), task.GetAisle().trimmed()});
    store->total += task.GetPrice();
}

void CShoppingList::Arrange()
{
    std::sort(m_stores.begin(), m_stores.end(), [](const Store& left, const Store& right) {
        if (left.name.isEmpty() != right.name.isEmpty()) {
            return right.name.isEmpty();
        }
        return CompareText(left.name, right.name) < 0;
    });
    for (Store& store : m_stores) {
        std::stable_sort(store.items.begin(), store.items.end(), WalkOrder);
    }
}
