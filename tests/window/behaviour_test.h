#pragma once

#include <QObject>

// The window bound to its behaviour model: what the user does with the real controls
// reaches the model, and the controls show what the model then holds. (What the model
// does with each action is tested on the model itself.)
class BehaviourTest : public QObject
{
    Q_OBJECT

private slots:
    void beforeLoadTheLabelsNameTheAltitudes();
    void controlsShowTheModel_data();
    void controlsShowTheModel();
    void reportUsesTheLocalesDecimalSeparator_data();
    void reportUsesTheLocalesDecimalSeparator();
};
