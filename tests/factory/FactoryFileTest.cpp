#include "factory/document/FactoryFile.h"
#include "factory/nodes/SountoryNodeFormulaWave.h"
#include "factory/nodes/SountoryNodeMixLoop.h"
#include "factory/nodes/SountoryNodeSimpleLoop.h"
#include "factory/nodes/SountoryNodeUser.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "support/TempFolder.h"
#include "tests/factory/FactoryTestSupport.h"
#include "platform/RecordingMessageService.h"
#include "shell/FileGrammars.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using K = ValueDomType;
using D = ValueDomain;

const std::string Head = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!DOCTYPE UnitFact_v9_1>\n\n";

std::string Bytes(const TUnitSountory& factory)
{
    return DocumentBytes(*CreateXmlTree(factory), FactoryFileSuffix);
}

// A factory that uses every element of the format.
void FillEveryField(TUnitSountory& factory)
{
    factory.SetFrameRect(30, 40, 530, 440);
    factory.FactoryKind = FactoryNotePlayer;
    factory.SetNodesCombination(NodesFixed);
    factory.ShowNameIO = 0;
    factory.ShowTypeIO = 1;
    factory.ShowNameNIO = 1;
    factory.ShowTypeNIO = 1;
    factory.Description = "Two lines\r\nwith <markup> & \"quotes\"";
    factory.View.Mode = ModeConnect;
    factory.View.ShowHints = 0;
    TSountoryInput& wave = factory.CreateInput("Wave", 0.25, 1, K::Wave, D::Mono, "The wave");
    wave.CanChangeWaveSubtype = 1;
    TSountoryInput& tempo = factory.CreateInput("Tempo", 1.0 / 3, 0, K::Time, D::PositiveNotZero);
    auto& builtin = factory.InsertNode(
        std::make_unique<TSountoryNodeBuiltin>("Volume 1", 0, factory, TCanvasRect{15, 5, 50, 28}, false));
    TSountoryNodeInput& in = builtin.AddInput("Wave", 0, 1, K::Wave, D::AllValues);
    in.SetSource(&wave);
    builtin.AddInput("Factor", 0.25, 1, K::Factor, D::AllValues).SetOwnValue({0.000012345, ValueType::Factor}, EHPerc);
    builtin.AddInput("Envelope", 0.5, 1, K::Wave, D::AllValues).SetNameSound("Wave 3");
    builtin.AddInput("Flag", 0.6, 0, K::Boolean, D::AllValues);
    TSountoryNodeOutput& result = builtin.AddOutput("Result", 0.5, 1, K::Wave, D::AllValues);
    auto& user = factory.InsertNode(
        std::make_unique<TSountoryNodeUser>("User", "Other Factory", factory, TCanvasRect{-20, 300, 100, 400}));
    user.DefaultName = 0;
    user.AddInput("Time", 0.9, 0, K::Time, D::AllValues).SetSource(&tempo);
    TSountoryNodeOutput& userOut = user.AddOutput("Shift", 0.1, 0, K::AllValue, D::NegOneInclPosOneIncl);
    auto& mix = factory.InsertNode(
        std::make_unique<TSountoryNodeMixLoop>("Mix", "Loop", factory, TCanvasRect{200, 5, 260, 60}, false));
    mix.AddInput("Gain", 0.5, 0, K::Factor, D::AllValues).SetSource(&result);
    factory.InsertNode(
        std::make_unique<TSountoryNodeSimpleLoop>("Simple", "L2", factory, TCanvasRect{200, 100, 260, 160}, false));
    factory.InsertNode(
        std::make_unique<TSountoryNodeFormulaWave>("Formula", "W", factory, TCanvasRect{200, 200, 260, 260}, false));
    factory.CreateOutput("Wave", 0.2, 1, K::Wave, D::AllValues, "Generated").SetSource(&result);
    factory.CreateOutput("Horizontal Shift", 0.8, 0, K::Time, D::AllValues).SetSource(&userOut);
    factory.CreateOutput("Fixed value", 0.95, 0, K::Frequency, D::Positive).SetOwnValue({440, ValueType::Frequency},
                                                                                         EHKHZ);
    factory.CreateOutput("Named", 1, 0, K::Wave, D::Stereo).SetNameSound("Wave 2");
    factory.CreateOutput("Open", 0, 0, K::Integer, D::AllValues);
}

struct FactoryFileTest : ::testing::Test {
    FactoryFileTest() { BuildFileGrammars(); }

    // Loads bytes into a new factory; false with the message.
    bool Load(const std::string& bytes, TUnitSountory& into)
    {
        error.clear();
        return into.LoadFromBytes(bytes, error);
    }

    std::string Minimal(const std::string& factoryBody, const std::string& version = "9.1",
                        const std::string& view = "<View><ModeDrag/><ShowHints/></View>")
    {
        return Head + "<UnitFact>\n<Version>" + version + "</Version>\n" + view + "\n<Factory>\n" + factoryBody
             + "</Factory>\n</UnitFact>\n";
    }

    static std::string Frame91()
    {
        return "<Rectangle><Left>25</Left><Top>15</Top><Width>300</Width><Height>200</Height></Rectangle>";
    }

    RecordingMessageService messages;
    TempFolder folder;
    std::string error;
};

} // namespace

TEST_F(FactoryFileTest, EveryFieldRoundTripsWithTheSameBytes)
{
    TUnitSountory factory("F", folder.File("every.qbf"));
    FillEveryField(factory);
    ASSERT_TRUE(factory.Save());
    const std::string written = ReadWholeFile(folder.File("every.qbf"));

    TUnitSountory loaded("G", folder.File("every.qbf"));
    ASSERT_TRUE(loaded.LoadFromFile(error)) << error;
    // The reader keeps the node order: load and save give the same bytes.
    EXPECT_EQ(Bytes(loaded), written);
    EXPECT_EQ(loaded.Nodes().front()->Name, "Formula");
    EXPECT_EQ(loaded.GetFrameRect(), (TCanvasRect{30, 40, 530, 440}));
    EXPECT_EQ(loaded.FactoryKind, FactoryNotePlayer);
    EXPECT_EQ(loaded.NodesCombination, NodesFixed);
    EXPECT_FALSE(loaded.GetRectanglePool().ShiftRightFree);
    EXPECT_EQ(loaded.Description, factory.Description);
    EXPECT_EQ(loaded.View.Mode, ModeConnect);
    EXPECT_EQ(loaded.View.ShowHints, 0);
    EXPECT_EQ(loaded.View.FrameJustRead, 1);
    const TSountoryNode* volume = loaded.FindNode("Volume 1", nullptr);
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ(volume->GetSntNodeKind(), sntNodeBuiltin);
    EXPECT_TRUE(volume->DefaultName);
    EXPECT_EQ(volume->GetRectangle().Get(), (TCanvasRect{15, 5, 50, 28}));
    const TSountoryNodeInput* factor = volume->FindNodeInput("Factor", nullptr);
    EXPECT_EQ(factor->GetOwnValue().Type, ValueType::Factor);
    EXPECT_DOUBLE_EQ(factor->GetOwnValue().Value, 0.000012345);
    EXPECT_EQ(factor->GetUnitKind(), EHPerc);
    EXPECT_EQ(volume->FindNodeInput("Wave", nullptr)->GetSountoryInputSource(), loaded.FindInput("Wave", nullptr));
    EXPECT_EQ(loaded.FindNode("Mix", nullptr)->Inputs().front()->GetSountoryInputSource(),
              volume->FindNodeOutput("Result", nullptr));
    EXPECT_NEAR(loaded.FindInput("Tempo", nullptr)->GetHeight(), 1.0 / 3, 1e-14);
    EXPECT_EQ(loaded.FindInput("Wave", nullptr)->Description, "The wave");
    EXPECT_TRUE(loaded.FindInput("Wave", nullptr)->CanChangeWaveSubtype);
    EXPECT_EQ(loaded.FindOutput("Named", nullptr)->GetNameSound(), "Wave 2");
    EXPECT_EQ(loaded.FindOutput("Fixed value", nullptr)->GetUnitKind(), EHKHZ);
    EXPECT_FALSE(loaded.FindOutput("Open", nullptr)->HasValue());
    EXPECT_EQ(loaded.FindNode("User", nullptr)->GetRectangle().Left, -20);

    // A Boolean pin writes no domain; a Factor pin writes AllValues.
    EXPECT_NE(written.find("<ValueDomType>Boolean</ValueDomType>\r\n"), std::string::npos);
    EXPECT_NE(written.find("<ValueDomType>Factor</ValueDomType>\r\n        <ValueDomain>AllValues</ValueDomain>"),
              std::string::npos);

    TUnitSountory copy("Copy", "");
    ASSERT_TRUE(copy.DuplicateByXml(factory, error)) << error;
    EXPECT_EQ(Bytes(copy), written);
}

TEST_F(FactoryFileTest, NumbersAreWrittenWithAPointAndReadWithEither)
{
    EXPECT_EQ(FactoryNumberText(0.5), "0.5");
    EXPECT_EQ(FactoryNumberText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FactoryNumberText(0), "0");
    EXPECT_EQ(FactoryNumberText(1e-7), "1e-07");
    const std::string body = Frame91() + "<FactoryKind><FactoryFree/></FactoryKind><NodesCombination><NodesShift/>"
                             "</NodesCombination><Output><Name>A</Name><Height>0,25</Height><ValueDomType>Factor"
                             "</ValueDomType><Value><Double>1,5</Double><ValueType>Factor</ValueType><UnitKind>EHNone"
                             "</UnitKind></Value><Sequence>0</Sequence></Output>";
    TUnitSountory factory("F", "");
    ASSERT_TRUE(Load(Minimal(body), factory)) << error;
    EXPECT_EQ(factory.Outputs()[0]->GetHeight(), 0.25);
    EXPECT_EQ(factory.Outputs()[0]->GetOwnValue().Value, 1.5);
    EXPECT_NE(Bytes(factory).find("<Double>1.5</Double>"), std::string::npos);
}

TEST_F(FactoryFileTest, OldFilesReadWithTheirRenames)
{
    const std::string body =
        "<RectangleSize><Width>300</Width><Height>200</Height></RectangleSize><FactoryKind><FactoryChangeWW/>"
        "</FactoryKind><NodesCombination><NodesOverlap/></NodesCombination>"
        "<Node><Name>R</Name><Rectangle><Left>15</Left><Top>5</Top><Width>40</Width><Height>30</Height></Rectangle>"
        "<RepeatNode><NameFactory>G</NameFactory></RepeatNode>"
        "<NodeInput><Name>P</Name><Height>0.5</Height><ValueDomType>PlaceInWindow</ValueDomType><ValueDomain>"
        "ZeroInclOneExcl</ValueDomain><Value><Double>0.5</Double><ValueType>Angle</ValueType><UnitKind>EHNone"
        "</UnitKind></Value></NodeInput></Node>"
        "<Input><Name>A</Name><Height>0</Height><ValueDomType>FactorOrInteger</ValueDomType><ValueDomain>Positive"
        "</ValueDomain></Input><Input><Name>B</Name><Height>1</Height><ValueDomType>PlaceWave</ValueDomType></Input>";
    TUnitSountory factory("F", "");
    ASSERT_TRUE(Load(Minimal(body, "9.0",
                             "<View><ModeConnect/><HorScrollPos>any text</HorScrollPos><VertScrollPos>7"
                             "</VertScrollPos></View>"),
                     factory))
        << error;
    EXPECT_EQ(factory.GetFrameRect(), (TCanvasRect{25, 15, 325, 215}));
    EXPECT_EQ(factory.Nodes().front()->GetSntNodeKind(), sntNodeMixLoop);
    const TSountoryNodeInput& pin = *factory.Nodes().front()->Inputs().front();
    EXPECT_EQ(pin.ValueDomType, K::WavePos);
    EXPECT_EQ(pin.ValueDomain, D::AllValues);
    EXPECT_EQ(pin.GetOwnValue().Type, ValueType::Factor);
    EXPECT_EQ(factory.Inputs()[0]->ValueDomType, K::NoUnit);
    EXPECT_EQ(factory.Inputs()[0]->ValueDomain, D::Positive);
    EXPECT_EQ(factory.Inputs()[1]->ValueDomType, K::Factor);
    EXPECT_EQ(factory.Inputs()[1]->Sequence, 1);
    EXPECT_EQ(factory.View.Mode, ModeConnect);
    EXPECT_EQ(factory.View.ShowHints, 0);
    EXPECT_EQ(factory.NodesCombination, NodesOverlap);
    EXPECT_TRUE(factory.Description.empty());

    // The old names are refused in a current file.
    TUnitSountory current("C", "");
    std::string repeat = body;
    repeat.replace(0, repeat.find("<FactoryKind>"), Frame91());
    EXPECT_FALSE(Load(Minimal(repeat), current));
    TUnitSountory angle("A", "");
    const std::string angleBody =
        Frame91() + "<FactoryKind><FactoryFree/></FactoryKind><NodesCombination><NodesShift/></NodesCombination>"
                    "<Output><Name>O</Name><Height>0</Height><ValueDomType>Factor</ValueDomType><Value><Double>1"
                    "</Double><ValueType>Angle</ValueType><UnitKind>EHNone</UnitKind></Value><Sequence>0</Sequence>"
                    "</Output>";
    EXPECT_FALSE(Load(Minimal(angleBody), angle));
    EXPECT_EQ(error, "ValueType \"Angle\" does not exists. At line 8, column 266.");
}

// The round trip reads what the writer wrote; a file written by hand shows that
// <Fixed/> means fixed wherever a pin may carry it, and its absence not fixed.
TEST_F(FactoryFileTest, EachPinIsFixedExactlyWhenTheFileSaysSo)
{
    auto pin = [](const char* element, const char* name, bool fixed, const std::string& tail = "") {
        return std::string("<") + element + "><Name>" + name
             + "</Name><Height>0.5</Height><ValueDomType>Factor</ValueDomType><ValueDomain>AllValues</ValueDomain>"
             + (fixed ? "<Fixed/>" : "") + tail + "</" + element + ">\n";
    };
    const std::string value =
        "<Value><Double>1</Double><ValueType>Factor</ValueType><UnitKind>EHNone</UnitKind></Value>";
    const std::string body =
        Frame91()
        + "<FactoryKind><FactoryFree/></FactoryKind><NodesCombination><NodesShift/></NodesCombination>\n"
          "<Node><Name>N</Name><Rectangle><Left>15</Left><Top>5</Top><Width>40</Width><Height>30</Height>"
          "</Rectangle><BuiltinNode><NameBuiltinAction>Plus</NameBuiltinAction></BuiltinNode>\n"
        + pin("NodeInput", "In fixed", true, value) + pin("NodeInput", "In free", false, value)
        + pin("NodeOutput", "Out fixed", true) + pin("NodeOutput", "Out free", false) + "</Node>\n"
        + pin("Input", "I fixed", true, "<CanChangeWaveSubtype/><Sequence>0</Sequence>")
        + pin("Input", "I free", false, "<CanChangeWaveSubtype/><Sequence>1</Sequence>")
        + pin("Output", "O fixed", true, value + "<Sequence>0</Sequence>")
        + pin("Output", "O free", false, value + "<Sequence>1</Sequence>");
    TUnitSountory factory("F", "");
    ASSERT_TRUE(Load(Minimal(body), factory)) << error;
    const TSountoryNode* node = factory.FindNode("N", nullptr);
    ASSERT_NE(node, nullptr);
    struct Expected {
        const TSountoryAlgInputOutput* pin;
        bool fixed;
    } pins[] = {
        {node->FindNodeInput("In fixed", nullptr), true},   {node->FindNodeInput("In free", nullptr), false},
        {node->FindNodeOutput("Out fixed", nullptr), true}, {node->FindNodeOutput("Out free", nullptr), false},
        {factory.FindInput("I fixed", nullptr), true},      {factory.FindInput("I free", nullptr), false},
        {factory.FindOutput("O fixed", nullptr), true},     {factory.FindOutput("O free", nullptr), false},
    };
    for (const Expected& e : pins) {
        ASSERT_NE(e.pin, nullptr);
        SCOPED_TRACE(e.pin->Name);
        EXPECT_EQ(e.pin->Fixed, e.fixed ? 1 : 0);
    }
    // What follows <Fixed/> is still read.
    EXPECT_TRUE(factory.FindInput("I fixed", nullptr)->CanChangeWaveSubtype);
    EXPECT_EQ(factory.FindOutput("O fixed", nullptr)->GetOwnValue().Value, 1.0);
    EXPECT_EQ(node->FindNodeInput("In fixed", nullptr)->GetOwnValue().Value, 1.0);
}

// A file written by hand in the writer's own layout, pins fixed and free of
// every kind: saved again it must come out byte for byte, so a writer that
// drops <Fixed/> (or anything else it read) cannot hide behind its own reader.
TEST_F(FactoryFileTest, AHandWrittenFileIsSavedAgainByteForByte)
{
    std::string hand = R"(<?xml version="1.0" encoding="ISO-8859-1"?>
<!DOCTYPE UnitFact_v9_1 SYSTEM "UnitFact_v9_1.dtd">

<UnitFact>
  <Version>9.1</Version>
  <View>
    <ModeDrag />
    <ShowHints />
  </View>
  <Factory>
    <Rectangle>
      <Left>25</Left>
      <Top>15</Top>
      <Width>300</Width>
      <Height>200</Height>
    </Rectangle>
    <FactoryKind>
      <FactoryFree />
    </FactoryKind>
    <NodesCombination>
      <NodesShift />
    </NodesCombination>
    <Node>
      <Name>N</Name>
      <Rectangle>
        <Left>15</Left>
        <Top>5</Top>
        <Width>40</Width>
        <Height>30</Height>
      </Rectangle>
      <BuiltinNode>
        <NameBuiltinAction>Plus</NameBuiltinAction>
      </BuiltinNode>
      <NodeInput>
        <Name>In fixed</Name>
        <Height>0.25</Height>
        <ValueDomType>Factor</ValueDomType>
        <ValueDomain>AllValues</ValueDomain>
        <Fixed />
        <Value>
          <Double>1.5</Double>
          <ValueType>Factor</ValueType>
          <UnitKind>EHNone</UnitKind>
        </Value>
      </NodeInput>
      <NodeInput>
        <Name>In free</Name>
        <Height>0.75</Height>
        <ValueDomType>Boolean</ValueDomType>
        <ValueSource>
          <NameInput>I fixed</NameInput>
        </ValueSource>
      </NodeInput>
      <NodeOutput>
        <Name>Out fixed</Name>
        <Height>0.5</Height>
        <ValueDomType>Wave</ValueDomType>
        <ValueDomain>Stereo</ValueDomain>
        <Fixed />
      </NodeOutput>
      <NodeOutput>
        <Name>Out free</Name>
        <Height>1</Height>
        <ValueDomType>Time</ValueDomType>
        <ValueDomain>Positive</ValueDomain>
      </NodeOutput>
    </Node>
    <Input>
      <Name>I fixed</Name>
      <Height>0</Height>
      <ValueDomType>Boolean</ValueDomType>
      <Fixed />
      <CanChangeWaveSubtype />
      <Sequence>0</Sequence>
    </Input>
    <Input>
      <Name>I free</Name>
      <Height>0.5</Height>
      <ValueDomType>Wave</ValueDomType>
      <ValueDomain>Mono</ValueDomain>
      <Sequence>1</Sequence>
      <Description>Free</Description>
    </Input>
    <Output>
      <Name>O fixed</Name>
      <Height>0.5</Height>
      <ValueDomType>Wave</ValueDomType>
      <ValueDomain>AllValues</ValueDomain>
      <Fixed />
      <ValueSource>
        <NameNode>N</NameNode>
        <NameNodeOutput>Out fixed</NameNodeOutput>
      </ValueSource>
      <Sequence>0</Sequence>
    </Output>
    <Output>
      <Name>O free</Name>
      <Height>0.125</Height>
      <ValueDomType>Frequency</ValueDomType>
      <ValueDomain>Positive</ValueDomain>
      <Value>
        <Double>440</Double>
        <ValueType>Frequency</ValueType>
        <UnitKind>EHKHZ</UnitKind>
      </Value>
      <Sequence>1</Sequence>
    </Output>
  </Factory>
</UnitFact>
)";
    // The writer ends its lines as the old program's files do.
    for (size_t at = hand.find('\n'); at != std::string::npos; at = hand.find('\n', at + 2))
        hand.insert(at, "\r");
    const std::string file = folder.File("hand.qbf");
    WriteWholeFile(file, hand);
    TUnitSountory factory("F", file);
    ASSERT_TRUE(factory.LoadFromFile(error)) << error;
    ASSERT_EQ(factory.Inputs().size(), 2u);
    EXPECT_EQ(factory.FindInput("I fixed", nullptr)->Fixed, 1);

    const std::string saved = folder.File("saved.qbf");
    ASSERT_TRUE(factory.SaveToFile(saved));
    EXPECT_EQ(ReadWholeFile(saved), hand);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(FactoryFileTest, CurrentFilesAreOrderedBySequence)
{
    auto input = [](const std::string& name, int sequence) {
        return "<Input><Name>" + name + "</Name><Height>0.5</Height><ValueDomType>Factor</ValueDomType><Sequence>"
             + std::to_string(sequence) + "</Sequence></Input>\n";
    };
    const std::string body = Frame91()
                           + "<FactoryKind><FactoryFree/></FactoryKind><NodesCombination><NodesShift/>"
                             "</NodesCombination>\n"
                           + input("C", 7) + input("A", 0) + input("B", 0) + input("D", -3);
    TUnitSountory factory("F", "");
    ASSERT_TRUE(Load(Minimal(body), factory)) << error;
    std::vector<std::string> order;
    for (const auto& item : factory.Inputs())
        order.push_back(item->Name + std::to_string(item->Sequence));
    EXPECT_EQ(order, (std::vector<std::string>{"D0", "A1", "B2", "C3"}));
}

TEST_F(FactoryFileTest, RefusedWithAMessageAndThePlace)
{
    const std::string start = Frame91() + "<FactoryKind><FactoryFree/></FactoryKind><NodesCombination><NodesShift/>"
                                          "</NodesCombination>\n";
    const std::string node = "<Node><Name>N</Name><Rectangle><Left>15</Left><Top>5</Top><Width>40</Width><Height>30"
                             "</Height></Rectangle><BuiltinNode><NameBuiltinAction>Plus</NameBuiltinAction>"
                             "</BuiltinNode></Node>\n";
    auto pin = [](const char* element, const char* name, const char* kind, const std::string& tail = "") {
        return std::string("<") + element + "><Name>" + name + "</Name><Height>0.5</Height><ValueDomType>" + kind
             + "</ValueDomType>" + tail + "</" + element + ">";
    };
    const std::string value =
        "<Value><Double>1</Double><ValueType>Factor</ValueType><UnitKind>EHNone</UnitKind></Value>";
    struct Case {
        std::string bytes;
        std::string error;
    } cases[] = {
        {Minimal(start, "8.0"), "Version \"8.0\" of the Factory File cannot be read; only versions \"9.0\" and \"9.1\" "
                                "can. At line 5, column 10."},
        {Minimal(start + "<Node><Name>N</Name><Rectangle><Left>15</Left><Top>5</Top><Width>40</Width><Height>30"
                         "</Height></Rectangle><BuiltinNode><NameBuiltinAction>plus</NameBuiltinAction></BuiltinNode>"
                         "</Node>"),
         "NameBuiltinAction \"plus\" is no built-in function. At line 9, column 125."},
        {Minimal(start + "<Node><Name>N</Name><Rectangle><Left>15</Left><Top>5</Top><Width>40</Width><Height>30"
                         "</Height></Rectangle><BuiltinNode><NameBuiltinAction>Plus</NameBuiltinAction></BuiltinNode>"
                 + pin("NodeInput", "W", "Wave", value) + "</Node>"),
         "Value of \"W\" must be a NameSound, since its ValueDomType is Wave. At line 9, column 237."},
        {Minimal(start
                 + pin("Output", "O", "Time", "<Value><NameSound>Wave 1</NameSound></Value><Sequence>0</Sequence>")),
         "Value of \"O\" must be a Double with ValueType and UnitKind, since its ValueDomType is not Wave. At line 9, "
         "column 75."},
        {Minimal(start + node + node), "Node name \"N\" is used twice. At line 10, column 12."},
        {Minimal(start + pin("Input", "I", "Factor", "<Sequence>0</Sequence>")
                 + pin("Input", "I", "Time", "<Sequence>1</Sequence>")),
         "Input name \"I\" is used twice. At line 9, column 108."},
        {Minimal(start + pin("Output", "O", "Factor", "<Sequence>0</Sequence>")
                 + pin("Output", "O", "Time", "<Sequence>1</Sequence>")),
         "Output name \"O\" is used twice. At line 9, column 111."},
        {Minimal(start + "<Node><Name>N</Name><Rectangle><Left>15</Left><Top>5</Top><Width>40</Width><Height>30"
                         "</Height></Rectangle><BuiltinNode><NameBuiltinAction>Plus</NameBuiltinAction></BuiltinNode>"
                 + pin("NodeOutput", "R", "Factor") + pin("NodeOutput", "R", "Factor") + "</Node>"),
         "Output name \"R\" is used twice in Node \"N\". At line 9, column 262."},
        {Minimal(start + pin("Input", "I", "Facto", "<Sequence>0</Sequence>")),
         "ValueDomType \"Facto\" does not exists. At line 9, column 50."},
        {Minimal(start + pin("Input", "I", "Factor", "<ValueDomain>Positiv</ValueDomain><Sequence>0</Sequence>")),
         "ValueDomain \"Positiv\" does not exists. At line 9, column 82."},
        {Minimal(start + pin("Output", "O", "Factor",
                             "<Value><Double>x1</Double><ValueType>Factor</ValueType><UnitKind>EHNone</UnitKind>"
                             "</Value><Sequence>0</Sequence>")),
         ""},
        {Minimal(start + pin("Output", "O", "Factor",
                             "<Value><Double>1</Double><ValueType>Factor</ValueType><UnitKind>EHnone</UnitKind>"
                             "</Value><Sequence>0</Sequence>")),
         "UnitKind \"EHnone\" does not exists. At line 9, column 129."},
        {Minimal(Frame91().replace(Frame91().find("300"), 3, "3000000")
                 + "<FactoryKind><FactoryFree/></FactoryKind><NodesCombination><NodesShift/></NodesCombination>"),
         "Width \"3000000\" lies outside -1000000 to 1000000. At line 8, column 42."},
    };
    for (const Case& c : cases) {
        TUnitSountory factory("F", "");
        EXPECT_FALSE(Load(c.bytes, factory)) << c.bytes;
        if (!c.error.empty())
            EXPECT_EQ(error, c.error);
        else
            EXPECT_EQ(error.rfind("Double \"x1\" is not a valid value: ", 0), 0u) << error;
    }
}

TEST_F(FactoryFileTest, ASourceNamedByNothingLeavesItsTargetUnconnected)
{
    const std::string body = Frame91()
                           + "<FactoryKind><FactoryFree/></FactoryKind><NodesCombination><NodesShift/>"
                             "</NodesCombination><Output><Name>O</Name><Height>0.5</Height><ValueDomType>Factor"
                             "</ValueDomType><ValueSource><NameInput>Nowhere</NameInput></ValueSource><Sequence>0"
                             "</Sequence></Output><Output><Name>P</Name><Height>0.5</Height><ValueDomType>Factor"
                             "</ValueDomType><ValueSource><NameNode>N</NameNode><NameNodeOutput>R</NameNodeOutput>"
                             "</ValueSource><Sequence>1</Sequence></Output>";
    TUnitSountory factory("F", "");
    ASSERT_TRUE(Load(Minimal(body), factory)) << error;
    EXPECT_FALSE(factory.FindOutput("O", nullptr)->HasValue());
    EXPECT_FALSE(factory.FindOutput("P", nullptr)->HasValue());
}

TEST_F(FactoryFileTest, AFailedSaveKeepsTheOldFile)
{
    const std::string file = folder.File("kept.qbf");
    WriteWholeFile(file, "old");
    TUnitSountory factory("F", file);
    TScriptedNode& node = AddScripted(factory, "");
    EXPECT_FALSE(factory.Save());
    EXPECT_EQ(messages.Last().text, "Cannot save Factory: A Node has no name.");
    EXPECT_EQ(messages.Last().caption, "FileError");
    node.Name = "N";
    node.AddInput("W", 0.5, 0, K::Wave, D::AllValues).SetNameSound("");
    EXPECT_FALSE(factory.Save());
    EXPECT_EQ(messages.Last().text, "Cannot save Factory: Input \"W\" of Node \"N\" names no Wave.");
    node.Inputs().front()->SetNameSound("Wave 1");
    AddScripted(factory, "N");
    EXPECT_FALSE(factory.Save());
    EXPECT_EQ(messages.Last().text, "Cannot save Factory: Node name \"N\" is used twice.");
    EXPECT_EQ(ReadWholeFile(file), "old");
    factory.DeleteNode(factory.Nodes().front().get());
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    EXPECT_FALSE(factory.Save());
    EXPECT_EQ(messages.Last().text.rfind("Cannot save Factory: ", 0), 0u);
    EXPECT_EQ(ReadWholeFile(file), "old");
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    EXPECT_TRUE(factory.Save());
    EXPECT_FALSE(factory.IsModified() && factory.Modified);
}
