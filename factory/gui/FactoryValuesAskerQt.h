#pragma once
#include "factory/document/FactoryValuesAsker.h"

class QWidget;

// The values dialog asking the inputs of a run: first the types of those
// that take a group of types, then the values. It shows the normal cursor
// while the program is busy with the run.
class TFactoryValuesAskerQt : public TFactoryValuesAsker {
public:
    explicit TFactoryValuesAskerQt(QWidget* owner) : Owner(owner) {}

    bool AskTypes(const std::vector<TSountoryInput*>& inputs, TUnitSountory& factory) override;
    bool AskValues(const std::vector<TSountoryInput*>& inputs, TUnitSountory& factory) override;

private:
    bool Ask(const std::vector<TSountoryInput*>& inputs, TUnitSountory& factory, bool types);

    QWidget* Owner;
};
