#include "factory/gui/FactoryHelpPages.h"

#include "factory/nodes/BuiltinCatalogue.h"
#include "platform/qt/HelpWindow.h"

#include <QString>

namespace {

struct TDialogTopic {
    int context;
    const char* title;
    const char* text;
};

constexpr TDialogTopic DialogTopics[] = {
    {57, "Create Factory",
     "Choose how the new factory starts: with the inputs and outputs a caller of its kind binds, empty, or "
     "fitted to a node of an open factory."},
    {58, "Properties Factory",
     "The factory's name, the size of its frame, its kind, how nodes may be placed, what the pins show and "
     "the description shown above the frame."},
    {59, "Properties Builtin Node",
     "Choose the node's function by category; the name follows the function until you type one. The "
     "rectangle is kept within the frame's margins and away from other nodes."},
    {60, "Properties Node connected to Factory",
     "The factory the node runs, by name, and whether the node takes its inputs and outputs from it."},
    {62, "Input and Output Properties",
     "Name, place along the edge, value type and domain of a pin, its description and its connections."},
    {63, "Values", "Give a value to every item whose box is ticked; an item fed by a connection keeps it."},
    {64, "Value Types", "Choose the type of the items that take a group of types."},
    {65, "Run Factory", "Choose the factory that changes the active wave window."},
    {67, "Sequence Inputs/Outputs", "The order in which callers and dialogs list the inputs or outputs."},
};

QString PinList(std::span<const TBuiltinPin> pins)
{
    QString html = "<ul>";
    for (const TBuiltinPin& pin : pins) {
        const QString name = pin.Name ? QString(pin.Name) : QString("Operand 1, Operand 2 ...");
        QString type = ValueDomTypeNames[static_cast<int>(pin.Kind)];
        if (ValueDomainCount[static_cast<int>(pin.Kind)] != 0 && pin.Domain != ValueDomain::AllValues)
            type += QString(", ") + ValueDomainNames[static_cast<int>(pin.Domain)];
        html += "<li><b>" + name.toHtmlEscaped() + "</b>: " + type.toHtmlEscaped() + "</li>";
    }
    return html + "</ul>";
}

} // namespace

void AddFactoryHelpPages(HelpWindow& help)
{
    for (const TDialogTopic& topic : DialogTopics)
        help.AddPage(topic.context, topic.title, QString("<p>") + QString(topic.text).toHtmlEscaped() + "</p>");
    for (int function = 0; function < BuiltinFunctionCount; ++function) {
        const TBuiltinFunction& row = BuiltinFunctionCatalogue[function];
        QString html = "<p>Category: " + QString(BuiltinCategories[row.Category].Name).toHtmlEscaped() + "</p>";
        if (!row.Inputs.empty())
            html += "<p>Inputs:</p>" + PinList(row.Inputs);
        if (row.VariableOperands)
            html += "<p>Operands may be added and deleted; at least two stay.</p>";
        if (!row.Outputs.empty())
            html += "<p>Outputs:</p>" + PinList(row.Outputs);
        help.AddPage(1024 + function, QString(row.DisplayName), html);
    }
}
