#pragma once

#include <QObject>

// The one way windows learn that shared state changed. Whoever runs an operation emits what it
// changed; every window connects once and refreshes what it shows.
class TSessionEvents : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void projectReplaced();     // New, reopening an order: everything shown may be different
    void projectChanged();      // header, door widths or a door's design
    void profileGroupChanged(); // another group became active, or its values were edited
    void listsChanged();        // pick lists or unit prices
    void ordersChanged();       // an order was saved or deleted
    void customersChanged();    // a customer was added or changed
};
