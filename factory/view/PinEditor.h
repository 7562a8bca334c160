#pragma once
#include "factory/graph/ConnectList.h"
#include "factory/view/FactoryDialogs.h"
#include "foundation/values/ValueVocabulary.h"

#include <string>
#include <vector>

class TSountoryNode;
class TUnitSountory;

// What the input/output properties dialog does with its pin, without the
// widgets: the lists it offers, the checks of its OK and the changes it makes.
class TPinEditor {
public:
    explicit TPinEditor(const TPinSubject& subject);

    const TPinSubject& Subject() const { return Edited; }
    TSountoryAlgInputOutput& Pin() const { return *Edited.Pin; }
    TUnitSountory& Factory() const { return *Sountory; }
    // The node of a node pin, else null.
    TSountoryNode* Node() const { return SountoryNode; }
    // Factory inputs and node outputs feed several targets; the others have one source.
    bool IsSource() const;
    // Factory inputs and outputs have a description.
    bool HasDescription() const;
    const char* ConnectLabel() const { return IsSource() ? "Connect to" : "Connect from"; }
    // The pin's description, for factory inputs and outputs.
    std::string Description() const;

    // The domains offered for a kind, in the order shown.
    static std::vector<ValueDomain> DomainChoices(ValueDomType kind);
    // The ends of the kind's class the pin may be joined to (its own node's
    // left out), its present connections selected.
    TConnectList ConnectList(ValueDomType kind) const;

    // The checks of OK, each refusal shown in an "Input Error" box: the
    // height, an empty or taken name (in the pin's direction, and for a pair
    // in the other), a kind and, when one is offered, a domain. height gets
    // the parsed value.
    bool Check(const std::string& name, const std::string& heightText, int kindIndex, bool domainOffered,
               int domainIndex, double& height) const;
    // Stores what passed. A pin that changes its wave class loses its own
    // value and so does its partner, whose connections of the old class go.
    void Apply(const std::string& name, double height, ValueDomType kind, ValueDomain domain,
               const std::string& description, const TConnectList& list);

private:
    bool NameTaken(sntSountoryObject kind, const std::string& name, const TSountoryAlgInputOutput* skip) const;

    TPinSubject Edited;
    TUnitSountory* Sountory = nullptr;
    TSountoryNode* SountoryNode = nullptr;
};
