#pragma once

#include <QObject>

// What the window does: its state after start, the choice of input kind, "Изчисли" and
// "Изчисти" in each kind, and reports replacing each other.
class BehaviourTest : public QObject
{
    Q_OBJECT

private slots:
    void beforeLoadTheLabelsNameTheAltitudes();
    void stateRightAfterStart();
    void choosingAKind_data();
    void choosingAKind();
    void clickingTheSelectedKindKeepsTheInputs();
    void calculate_data();
    void calculate();
    void clear_data();
    void clear();
    void reportsReplaceEachOther();
    void valuesTypedBeforeAChangeOfKindAreGone();
    void reportUsesTheLocalesDecimalSeparator_data();
    void reportUsesTheLocalesDecimalSeparator();
};
