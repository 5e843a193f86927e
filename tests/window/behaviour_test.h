#pragma once

#include <QObject>

// The window bound to its behaviour model: what the user does with the real controls
// reaches the model, and the controls show what the model then holds. (What the model
// does with each action is tested on the model itself.)
class BehaviourTest : public QObject
{
    Q_OBJECT

private slots:
    // Qt Test runs each private slot as a test; they take Qt's camelBack names, with
    // "_data" for a test's table of rows.
    // NOLINTBEGIN(readability-identifier-naming)
    void beforeLoadTheLabelsNameTheAltitudes();
    void controlsShowTheModel_data();
    void controlsShowTheModel();
    void reportUsesTheLocalesDecimalSeparator_data();
    void reportUsesTheLocalesDecimalSeparator();
    // NOLINTEND(readability-identifier-naming)
};
