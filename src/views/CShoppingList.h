#pragma once

#include <QList>
#include <QString>

class CTask;

// The shopping list as it is taken to the shops: the active shopping items (picked, not yet bought)
// grouped by store, stores by name and the items of no store last, each store's items in the order
// of a walk through the shop: numbered aisles in number order, then the other aisles by name, then
// the items with no aisle. Each store carries the total of its items' prices.
class CShoppingList final
{
public:
    struct Item
    {
        QString description;
        float quantity = 0.0f;
        QString unit;
        float price = 0.0f;
        bool coupon = false;
        QString aisle;
    };

    struct Store
    {
        QString name; // empty: the items bought wherever
        QList<Item> items;
        float total = 0.0f;
    };

    // Reads the active shopping items from the Tasks table; false when they cannot be read (the list
    // is then empty).
    bool Load();
    const QList<Store>& Stores() const { return m_stores; }
    bool IsEmpty() const { return m_stores.isEmpty(); }
    float Total() const;

private:
    void Add(const CTask& task);
    void Arrange();

    QList<Store> m_stores;
};
