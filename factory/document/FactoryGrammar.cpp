#include "factory/document/FactoryFile.h"

#include "wave/view/GrammarBuilder.h"

namespace {

using namespace GrammarBuilder;

// The element grammars both versions share.
struct SharedElements {
    TDTDItemPtr name = Text("Name");
    TDTDItemPtr height = Text("Height");
    TDTDItemPtr kind = Text("ValueDomType");
    TDTDItemPtr domain = Optional(Text("ValueDomain"));
    TDTDItemPtr fixed = Optional(Empty("Fixed"));
    TDTDItemPtr waveSubtype = Optional(Empty("CanChangeWaveSubtype"));
    TDTDItemPtr valueOrSource = Optional(Choice({
        Element("Value", Choice({Sequence({Text("Double"), Text("ValueType"), Text("UnitKind")}), Text("NameSound")})),
        Element("ValueSource", Choice({Text("NameInput"), Sequence({Text("NameNode"), Text("NameNodeOutput")})})),
    }));
    TDTDItemPtr sequenceAndDescription = Sequence({Text("Sequence"), Optional(Text("Description"))});
    TDTDItemPtr rectangle = Element("Rectangle", Sequence({Text("Left"), Text("Top"), Text("Width"), Text("Height")}));
    TDTDItemPtr nodeInput = Element("NodeInput", Sequence({name, height, kind, domain, fixed, valueOrSource}));
    TDTDItemPtr nodeOutput = Element("NodeOutput", Sequence({name, height, kind, domain, fixed}));
    TDTDItemPtr builtinNode = Element("BuiltinNode", Text("NameBuiltinAction"));
    TDTDItemPtr nameFactory = Text("NameFactory");
    TDTDItemPtr nodesCombination =
        Element("NodesCombination", Choice({Empty("NodesOverlap"), Empty("NodesFixed"), Empty("NodesShift")}));
    TDTDItemPtr showFlags = Sequence({Optional(Empty("ShowNameIO")), Optional(Empty("ShowTypeIO")),
                                      Optional(Empty("ShowNameNIO")), Optional(Empty("ShowTypeNIO"))});
    TDTDItemPtr mode = Choice({Empty("ModeDrag"), Empty("ModeConnect")});
    TDTDItemPtr showHints = Optional(Empty("ShowHints"));

    TDTDItemPtr Node(TDTDItemPtr kinds) const
    {
        return Element("Node", Sequence({name, Optional(Empty("DefaultName")), rectangle, std::move(kinds),
                                         RepeatMin0(nodeInput), RepeatMin0(nodeOutput)}));
    }
};

const SharedElements& Shared()
{
    static const SharedElements shared;
    return shared;
}

} // namespace

const TDTDItemPtr& FactoryGrammar91()
{
    static const TDTDItemPtr grammar = [] {
        const SharedElements& s = Shared();
        TDTDItemPtr kinds = Choice({s.builtinNode, Element("UserNode", s.nameFactory),
                                    Element("MixLoopNode", s.nameFactory), Element("SimpleLoopNode", s.nameFactory),
                                    Element("FormulaWaveNode", s.nameFactory)});
        TDTDItemPtr factoryKind = Element(
            "FactoryKind", Choice({Empty("FactoryCreateWW"), Empty("FactoryChangeWW"), Empty("FactoryNotePlayer"),
                                   Empty("FactoryMusicProcessor"), Empty("FactoryFree"), Empty("FactoryLoopSimple"),
                                   Empty("FactoryLoopMix"), Empty("FactoryFormulaWave")}));
        TDTDItemPtr input = Element(
            "Input", Sequence({s.name, s.height, s.kind, s.domain, s.fixed, s.waveSubtype, s.sequenceAndDescription}));
        TDTDItemPtr output = Element("Output", Sequence({s.name, s.height, s.kind, s.domain, s.fixed, s.waveSubtype,
                                                         s.valueOrSource, s.sequenceAndDescription}));
        TDTDItemPtr factory =
            Element("Factory", Sequence({s.rectangle, factoryKind, s.nodesCombination, s.showFlags,
                                         Optional(Text("Description")), RepeatMin0(s.Node(kinds)), RepeatMin0(input),
                                         RepeatMin0(output)}));
        TDTDItemPtr view = Element("View", Sequence({s.mode, s.showHints}));
        return Element("UnitFact", Sequence({Text("Version"), view, factory}));
    }();
    return grammar;
}

const TDTDItemPtr& FactoryGrammar90()
{
    static const TDTDItemPtr grammar = [] {
        const SharedElements& s = Shared();
        // A repeat node is read as a mix loop node.
        TDTDItemPtr kinds =
            Choice({s.builtinNode, Element("UserNode", s.nameFactory), Element("RepeatNode", s.nameFactory)});
        TDTDItemPtr factoryKind = Element("FactoryKind", Choice({Empty("FactoryFree"), Empty("FactoryLoopMix"),
                                                                 Empty("FactoryCreateWW"), Empty("FactoryChangeWW")}));
        TDTDItemPtr input = Element("Input", Sequence({s.name, s.height, s.kind, s.domain, s.fixed, s.waveSubtype}));
        TDTDItemPtr output =
            Element("Output", Sequence({s.name, s.height, s.kind, s.domain, s.fixed, s.waveSubtype, s.valueOrSource}));
        TDTDItemPtr factory = Element(
            "Factory", Sequence({Element("RectangleSize", Sequence({Text("Width"), Text("Height")})), factoryKind,
                                 s.nodesCombination, s.showFlags, RepeatMin0(s.Node(kinds)), RepeatMin0(input),
                                 RepeatMin0(output)}));
        // The scroll positions of old files are read past and forgotten.
        TDTDItemPtr view =
            Element("View", Sequence({s.mode, s.showHints, Text("HorScrollPos"), Text("VertScrollPos")}));
        return Element("UnitFact", Sequence({Text("Version"), view, factory}));
    }();
    return grammar;
}

void BuildFactoryGrammar()
{
    FactoryGrammar90();
    FactoryGrammar91();
}
