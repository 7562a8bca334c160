#pragma once
#include "factory/nodes/BuiltinCatalogue.h"

// What each built-in function is made of: its pins in creation order, the
// rules validation applies to its inputs, and its computation. The catalogue's
// rows refer to these arrays; rows that share a line here have identical pins.
// Names are the stored spellings, typos included: files and connections rely
// on them.
namespace BuiltinTable {

using K = ValueDomType;
using D = ValueDomain;
using R = TBuiltinRuleKind;

// The variable operand inputs stand where a pin has no name.
inline constexpr TBuiltinPin OperandsComputable[] = {{nullptr, 0, K::AllComputable}};
inline constexpr TBuiltinPin OperandsBoolean[] = {{nullptr, 0, K::Boolean}};
inline constexpr TBuiltinPin OperandsValue[] = {{nullptr, 0, K::AllValue}};
inline constexpr TBuiltinPin OperandsLogMean[] = {{nullptr, 0, K::AllComputable, D::PositiveNotZero}};

// ---- outputs shared by many wave functions ----
inline constexpr TBuiltinPin ResultHalf[] = {
    {"Result", 0.5, K::Wave}, {"Position Begin", 0.7, K::WavePos}, {"Position End", 0.8, K::WavePos}};
inline constexpr TBuiltinPin ResultHigh[] = {
    {"Result", 0.3, K::Wave}, {"Position Begin", 0.7, K::WavePos}, {"Position End", 0.8, K::WavePos}};

// ---- inputs and outputs by function ----
inline constexpr TBuiltinPin VolumeIn[] = {{"Wave", 0, K::Wave},
                                           {"Factor", 0.25, K::Factor},
                                           {"Envelope", 0.5, K::Wave},
                                           {"Position Begin", 0.8, K::WavePos},
                                           {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin BalanceIn[] = {{"Wave", 0, K::Wave, D::Mono},
                                            {"Angle", 0.2, K::BalanceAngle, D::NegOneInclPosOneIncl},
                                            {"Envelope", 0.4, K::Wave},
                                            {"Time Difference", 0.7, K::Boolean},
                                            {"Volume Difference", 0.9, K::Boolean},
                                            {"Filter Difference", 1, K::Boolean}};
inline constexpr TBuiltinPin BalanceOut[] = {{"Result", 0.5, K::Wave, D::Stereo}};
inline constexpr TBuiltinPin RangeOnlyIn[] = {
    {"Wave", 0.3, K::Wave}, {"Position Begin", 0.8, K::WavePos}, {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin RollInIn[] = {{"Wave", 0, K::Wave},
                                           {"Length", 0.3, K::Time, D::Positive},
                                           {"Position Roll Begin", 0.5, K::Factor, D::ZeroInclOneExcl},
                                           {"Position Roll End", 0.6, K::Factor, D::ZeroInclOneExcl},
                                           {"Position Begin", 0.85, K::WavePos},
                                           {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin MoveVerticallyIn[] = {{"Wave", 0, K::Wave},
                                                   {"Add Value", 0.25, K::WaveValue},
                                                   {"Position Begin", 0.8, K::WavePos},
                                                   {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin MixLeftRightIn[] = {{"Wave", 0, K::Wave, D::Stereo},
                                                 {"Volume Left to Left", 0.25, K::Factor},
                                                 {"Volume Right to Left", 0.35, K::Factor},
                                                 {"Volume Left to Right", 0.55, K::Factor},
                                                 {"Volume Right to Right", 0.65, K::Factor},
                                                 {"Position Begin", 0.85, K::WavePos},
                                                 {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin MixLeftRightOut[] = {{"Result", 0.5, K::Wave, D::Stereo},
                                                  {"Position Begin", 0.7, K::WavePos},
                                                  {"Position End", 0.8, K::WavePos}};
inline constexpr TBuiltinPin DistortIn[] = {{"Wave", 0, K::Wave},
                                            {"Envelope", 0.3, K::Wave},
                                            {"Position Begin", 0.8, K::WavePos},
                                            {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin ChangeLengthIn[] = {{"Wave", 0.1, K::Wave},
                                                 {"Length", 0.4, K::Time, D::Positive},
                                                 {"Length Factor", 0.6, K::Factor},
                                                 {"Position Begin", 0.9, K::WavePos},
                                                 {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin RollOutIn[] = {{"Wave", 0, K::Wave},
                                            {"Speed Factor", 0.2, K::Factor},
                                            {"Speed Envelope", 0.3, K::Wave, D::Mono},
                                            {"Length", 0.5, K::Time, D::Positive},
                                            {"Length Factor", 0.55, K::Factor, D::PositiveNotZero},
                                            {"Count", 0.6, K::Factor, D::Positive},
                                            {"Start Position", 0.75, K::Factor, D::ZeroInclOneExcl},
                                            {"Position Begin", 0.9, K::WavePos},
                                            {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin SplitHorizontallyIn[] = {{"Wave", 0.4, K::Wave}, {"Position", 0.8, K::WavePos}};
inline constexpr TBuiltinPin SplitHorizontallyOut[] = {{"Result Before", 0.3, K::Wave},
                                                       {"Result After", 0.7, K::Wave}};
inline constexpr TBuiltinPin SplitVerticallyIn[] = {{"Wave", 0.5, K::Wave, D::Stereo}};
inline constexpr TBuiltinPin SplitVerticallyOut[] = {{"Result Left", 0.3, K::Wave, D::Mono},
                                                     {"Result Right", 0.7, K::Wave, D::Mono}};
inline constexpr TBuiltinPin MoveMonoIn[] = {{"Wave", 0.1, K::Wave, D::Mono},
                                             {"Time Move", 0.4, K::Time},
                                             {"Envelope", 0.6, K::Wave},
                                             {"Position Begin", 0.9, K::WavePos},
                                             {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin MoveMonoOut[] = {{"Result", 0.3, K::Wave, D::Mono},
                                              {"Position Begin", 0.7, K::WavePos},
                                              {"Position End", 0.8, K::WavePos}};
inline constexpr TBuiltinPin MoveStereoIn[] = {{"Wave", 0, K::Wave, D::Stereo},
                                               {"Time Move Left", 0.3, K::Time},
                                               {"Time Move Right", 0.4, K::Time},
                                               {"Envelope", 0.6, K::Wave},
                                               {"Position Begin", 0.9, K::WavePos},
                                               {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin ResultHighStereo[] = {{"Result", 0.3, K::Wave, D::Stereo},
                                                   {"Position Begin", 0.7, K::WavePos},
                                                   {"Position End", 0.8, K::WavePos}};
inline constexpr TBuiltinPin BlockIn[] = {{"Wave", 0, K::Wave, D::Stereo},
                                          {"Count Horizontal", 0.2, K::Integer, D::PositiveNotZero},
                                          {"Time Horizontal", 0.3, K::Time, D::PositiveNotZero},
                                          {"Count Vertical", 0.5, K::Integer, D::PositiveNotZero},
                                          {"Height", 0.6, K::WaveValue},
                                          {"Position Begin", 0.9, K::WavePos},
                                          {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin HighLowFilterIn[] = {{"Wave", 0, K::Wave},
                                                  {"Frequency", 0.15, K::Time, D::PositiveNotZero},
                                                  {"Envelope", 0.25, K::Wave},
                                                  {"Volume Factor", 0.4, K::Factor, D::ZeroExclOneExcl},
                                                  {"Filter Count", 0.55, K::Integer, D::PositiveNotZero},
                                                  {"Normalize Volume", 0.7, K::Boolean},
                                                  {"Position Begin", 0.9, K::WavePos},
                                                  {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin ResNotchIn[] = {{"Wave", 0, K::Wave},
                                             {"Frequency", 0.2, K::Time, D::PositiveNotZero},
                                             {"Frequency Envelope", 0.3, K::Wave},
                                             {"Frequency Width", 0.5, K::Factor, D::ZeroInclOneIncl},
                                             {"Frequency Width Envelope", 0.6, K::Wave},
                                             {"Position Begin", 0.9, K::WavePos},
                                             {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin BlockFilterIn[] = {{"Wave", 0.1, K::Wave},
                                                {"Block Time", 0.4, K::Time},
                                                {"Envelope", 0.5, K::Wave},
                                                {"Position Begin", 0.75, K::WavePos},
                                                {"Position End", 0.85, K::WavePos}};
inline constexpr TBuiltinPin PeriodEchoIn[] = {{"Wave", 0.1, K::Wave},
                                               {"Time", 0.3, K::Time},
                                               {"Time Envelope", 0.35, K::Wave},
                                               {"Volume", 0.45, K::Factor},
                                               {"Volume Envelope", 0.5, K::Wave},
                                               {"Echo Count", 0.6, K::Integer, D::PositiveNotZero},
                                               {"Position Begin", 0.8, K::WavePos},
                                               {"Position End", 0.9, K::WavePos}};
inline constexpr TBuiltinPin DeleteTrimIn[] = {
    {"Wave", 0.1, K::Wave}, {"Position Begin", 0.7, K::WavePos}, {"Position End", 0.8, K::WavePos}};
inline constexpr TBuiltinPin InsertReplaceIn[] = {{"Wave", 0.1, K::Wave},
                                                  {"Insert Wave", 0.3, K::Wave},
                                                  {"Position Begin", 0.75, K::WavePos},
                                                  {"Position End", 0.85, K::WavePos}};
inline constexpr TBuiltinPin TempoPitchIn[] = {{"Wave", 0, K::Wave},
                                               {"Frequency Factor", 0.1, K::Factor, D::NotZero},
                                               {"Frequency Factor Envelope", 0.15, K::Wave},
                                               {"Speed Factor", 0.25, K::Factor, D::NotZero},
                                               {"Speed Factor Envelope", 0.3, K::Wave},
                                               {"Length", 0.4, K::Time, D::Positive},
                                               {"Length Factor", 0.45, K::Factor, D::Positive},
                                               {"Count", 0.5, K::Factor, D::Positive},
                                               {"Start Position", 0.6, K::Factor, D::ZeroInclOneExcl},
                                               {"High Quality", 0.7, K::Boolean},
                                               {"Block Size", 0.8, K::Time, D::PositiveNotZero},
                                               {"Position Begin", 0.95, K::WavePos},
                                               {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin MakeSilenceIn[] = {{"Wave", 0.1, K::Wave},
                                                {"Length", 0.3, K::Time, D::PositiveNotZero},
                                                {"Position Begin", 0.75, K::WavePos},
                                                {"Position End", 0.85, K::WavePos}};
inline constexpr TBuiltinPin MakeLineIn[] = {{"Wave", 0, K::Wave},
                                             {"Length", 0.2, K::Time, D::PositiveNotZero},
                                             {"Height Begin", 0.35, K::WaveValue},
                                             {"Height End", 0.45, K::WaveValue},
                                             {"Linear", 0.6, K::Boolean},
                                             {"Exponential", 0.7, K::Boolean},
                                             {"Position Begin", 0.9, K::WavePos},
                                             {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin MakeBlockTriangleIn[] = {{"Wave", 0, K::Wave},
                                                      {"Height 1", 0.1, K::WaveValue},
                                                      {"Height 2", 0.15, K::WaveValue},
                                                      {"Frequency", 0.3, K::Time, D::PositiveNotZero},
                                                      {"Middle", 0.4, K::Factor, D::ZeroInclOneExcl},
                                                      {"Middle Envelope", 0.45, K::Wave},
                                                      {"Length", 0.6, K::Time, D::PositiveNotZero},
                                                      {"Count", 0.65, K::Factor, D::Positive},
                                                      {"Start Position", 0.75, K::Factor, D::ZeroInclOneExcl},
                                                      {"Position Begin", 0.9, K::WavePos},
                                                      {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin MakeSinusIn[] = {{"Wave", 0, K::Wave},
                                              {"Height 1", 0.15, K::WaveValue},
                                              {"Height 2", 0.2, K::WaveValue},
                                              {"Frequency", 0.4, K::Time, D::PositiveNotZero},
                                              {"Length", 0.6, K::Time, D::PositiveNotZero},
                                              {"Count", 0.65, K::Factor, D::Positive},
                                              {"Start Position", 0.75, K::Factor, D::ZeroInclOneExcl},
                                              {"Position Begin", 0.9, K::WavePos},
                                              {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin MakeNoiseIn[] = {{"Wave", 0, K::Wave},
                                              {"Volume", 0.1, K::WaveValue},
                                              {"Length", 0.6, K::Time, D::PositiveNotZero},
                                              {"Position Begin", 0.9, K::WavePos},
                                              {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin MixIn[] = {{"Wave", 0, K::Wave},
                                        {"Mix Wave", 0.2, K::Wave},
                                        {"Align Begin", 0.4, K::Boolean},
                                        {"Align End", 0.5, K::Boolean},
                                        {"Stretch", 0.6, K::Boolean},
                                        {"Position Begin", 0.9, K::WavePos},
                                        {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin ExtractIn[] = {
    {"Wave", 0, K::Wave}, {"Position Begin", 0.9, K::WavePos}, {"Position End", 1, K::WavePos}};
inline constexpr TBuiltinPin ExtractOut[] = {{"Result Rest", 0.3, K::Wave}, {"Result Extract", 0.6, K::Wave}};
inline constexpr TBuiltinPin SetPropertiesIn[] = {{"Wave", 0, K::Wave},
                                                  {"Position Begin", 0.2, K::WavePos},
                                                  {"Position End", 0.3, K::WavePos},
                                                  {"Sample Frequency", 0.5, K::WaveSampleFrequency},
                                                  {"Bytes Per Sample", 0.6, K::WaveBytesPerSample},
                                                  {"Mono Stereo", 0.7, K::WaveMonoStereo}};
inline constexpr TBuiltinPin GetPropertiesIn[] = {{"Wave", 0.5, K::Wave}};
inline constexpr TBuiltinPin GetPropertiesOut[] = {{"Sample Frequency", 0.1, K::WaveSampleFrequency},
                                                   {"Bytes Per Sample", 0.3, K::WaveBytesPerSample},
                                                   {"Mono Stereo", 0.5, K::WaveMonoStereo},
                                                   {"Length", 0.7, K::Time, D::Positive},
                                                   {"Position End", 0.8, K::WavePos}};
inline constexpr TBuiltinPin MakeNewWaveIn[] = {{"Sample Frequency", 0.1, K::WaveSampleFrequency},
                                                {"Bytes Per Sample", 0.25, K::WaveBytesPerSample},
                                                {"Mono Stereo", 0.4, K::WaveMonoStereo},
                                                {"Length", 0.7, K::Time, D::Positive}};
inline constexpr TBuiltinPin StatisticsIn[] = {
    {"Wave", 0.3, K::Wave}, {"Position Begin", 0.7, K::WavePos}, {"Position End", 0.9, K::WavePos}};
inline constexpr TBuiltinPin StatisticsOut[] = {
    {"Peak High", 0.1, K::WaveValue}, {"Peak Low", 0.5, K::WaveValue}, {"Peak Absolute", 0.9, K::WaveValue}};
inline constexpr TBuiltinPin MergeHorizontallyIn[] = {{"Wave Before", 0.2, K::Wave},
                                                      {"Wave After", 0.3, K::Wave},
                                                      {"Sample Frequency", 0.5, K::WaveSampleFrequency},
                                                      {"Bytes Per Sample", 0.6, K::WaveBytesPerSample},
                                                      {"Mono Stereo", 0.7, K::WaveMonoStereo}};
inline constexpr TBuiltinPin MergeVerticallyIn[] = {{"Wave Left", 0.1, K::Wave},
                                                    {"Wave Right", 0.2, K::Wave},
                                                    {"Sample Frequency", 0.4, K::WaveSampleFrequency},
                                                    {"Bytes Per Sample", 0.5, K::WaveBytesPerSample},
                                                    {"Align Begin", 0.7, K::Boolean},
                                                    {"Align End", 0.8, K::Boolean},
                                                    {"Stretch Shortest Wave", 0.9, K::Boolean},
                                                    {"Stretch Longest Wave", 1, K::Boolean}};
inline constexpr TBuiltinPin MergeOut[] = {{"Result", 0.7, K::Wave}};

// ---- value functions ----
inline constexpr TBuiltinPin ExpressionComputable[] = {{"Expression", 0.5, K::AllComputable}};
inline constexpr TBuiltinPin ExpressionBoolean[] = {{"Expression", 0.5, K::Boolean}};
inline constexpr TBuiltinPin ExpressionValue[] = {{"Expression", 0.5, K::AllValue}};
inline constexpr TBuiltinPin MinusIn[] = {{"Operand 1", 0.25, K::AllComputable},
                                          {"Operand 2", 0.75, K::AllComputable}};
inline constexpr TBuiltinPin DivideIn[] = {{"Operand 1", 0.25, K::AllComputable},
                                           {"Operand 2", 0.75, K::AllComputable, D::NotZero}};
inline constexpr TBuiltinPin NotIn[] = {{"Operand", 0.5, K::Boolean}};
inline constexpr TBuiltinPin SineIn[] = {{"Angle", 0.25, K::Factor}, {"Factor", 0.75, K::AllComputable}};
inline constexpr TBuiltinPin TangentIn[] = {{"Angle", 0.2, K::Factor},
                                            {"Factor", 0.5, K::AllComputable},
                                            {"Max", 0.7, K::AllComputable},
                                            {"Min", 0.8, K::AllComputable}};
inline constexpr TBuiltinPin ArcIn[] = {{"Expression", 0.25, K::AllComputable},
                                        {"Factor Repricoke", 0.75, K::AllComputable}};
inline constexpr TBuiltinPin ArcOut[] = {{"Angle", 0.5, K::Factor}};
inline constexpr TBuiltinPin PowerIn[] = {
    {"Base", 0.25, K::NoUnit}, {"Exponent", 0.45, K::NoUnit}, {"Factor", 0.8, K::AllComputable}};
inline constexpr TBuiltinPin RootIn[] = {{"Base", 0.25, K::NoUnit, D::Positive},
                                         {"Root", 0.45, K::NoUnit, D::NotZero},
                                         {"Factor", 0.8, K::AllComputable}};
inline constexpr TBuiltinPin RootOut[] = {{"Expression", 0.5, K::AllComputable, D::Positive}};
inline constexpr TBuiltinPin LogIn[] = {{"Base", 0.25, K::NoUnit, D::OneMore},
                                        {"X", 0.45, K::NoUnit, D::PositiveNotZero},
                                        {"Factor", 0.8, K::AllComputable}};
inline constexpr TBuiltinPin RandomIn[] = {
    {"Range Begin", 0.25, K::AllComputable}, {"Range End", 0.45, K::AllComputable}, {"Logaritmic", 0.8, K::Boolean}};
inline constexpr TBuiltinPin GaussianIn[] = {{"Mean", 0.25, K::AllComputable},
                                             {"Std Dev", 0.5, K::AllComputable, D::Positive},
                                             {"Max Dev", 0.75, K::AllComputable, D::Positive}};
inline constexpr TBuiltinPin SwitchWaveIn[] = {
    {"When True", 0.2, K::Wave}, {"When False", 0.4, K::Wave}, {"Switch", 0.75, K::Boolean}};
inline constexpr TBuiltinPin SwitchWaveOut[] = {{"Chosen", 0.5, K::Wave}};
inline constexpr TBuiltinPin SwitchValueIn[] = {
    {"When True", 0.2, K::AllValue}, {"When False", 0.4, K::AllValue}, {"Switch", 0.75, K::Boolean}};
inline constexpr TBuiltinPin SwitchValueOut[] = {{"Chosen", 0.5, K::AllValue}};
inline constexpr TBuiltinPin LogMeanOut[] = {{"Expression", 0.5, K::AllComputable, D::PositiveNotZero}};
inline constexpr TBuiltinPin PosToTimeIn[] = {{"Wave", 0.3, K::Wave},
                                              {"Sample Freq", 0.5, K::WaveSampleFrequency},
                                              {"Wave Position", 0.8, K::WavePos}};
inline constexpr TBuiltinPin PosToTimeOut[] = {{"Time", 0.5, K::Time, D::Positive}};
inline constexpr TBuiltinPin TimeToPosIn[] = {{"Wave", 0.3, K::Wave},
                                              {"Sample Freq", 0.5, K::WaveSampleFrequency},
                                              {"Time", 0.8, K::Time, D::Positive}};
inline constexpr TBuiltinPin TimeToPosOut[] = {{"Wave Position", 0.5, K::WavePos}};
inline constexpr TBuiltinPin PointInWaveIn[] = {
    {"Wave", 0.2, K::Wave}, {"Wave Position", 0.6, K::WavePos}, {"Time", 0.8, K::Time, D::Positive}};
inline constexpr TBuiltinPin PointInWaveOut[] = {{"Wave Value Middle", 0.2, K::WaveValue},
                                                 {"Wave Value Left", 0.6, K::WaveValue},
                                                 {"Wave Value Right", 0.8, K::WaveValue}};
inline constexpr TBuiltinPin ModuloIn[] = {
    {"Value", 0.3, K::AllComputable}, {"Range Begin", 0.6, K::AllComputable}, {"Range End", 0.8, K::AllComputable}};
inline constexpr TBuiltinPin ModuloOut[] = {
    {"Whole Steps", 0.2, K::Integer}, {"Remainder", 0.5, K::AllComputable}, {"Put in Range", 0.8, K::AllComputable}};
inline constexpr TBuiltinPin ConvertRangeIn[] = {{"Value", 0.2, K::AllComputable},
                                                 {"Range Input Begin", 0.4, K::AllComputable},
                                                 {"Range Input End", 0.5, K::AllComputable},
                                                 {"Range Output Begin", 0.7, K::AllComputable},
                                                 {"Range Output End", 0.8, K::AllComputable}};
inline constexpr TBuiltinPin ConvertRangeOut[] = {{"Value", 0.5, K::AllComputable}};

// ---- validation rules, in the order they are checked ----
inline constexpr TBuiltinRule VolumeRules[] = {{R::ExactlyOne, {"Factor", "Envelope"}}};
inline constexpr TBuiltinRule BalanceRules[] = {{R::ExactlyOne, {"Angle", "Envelope"}},
                                                {R::Mandatory, {"Time Difference"}},
                                                {R::Mandatory, {"Volume Difference"}},
                                                {R::Mandatory, {"Filter Difference"}}};
inline constexpr TBuiltinRule RollInRules[] = {{R::Mandatory, {"Length"}},
                                               {R::ExactlyOne, {"Position Roll Begin", "Position Roll End"}}};
inline constexpr TBuiltinRule MoveVerticallyRules[] = {{R::Mandatory, {"Add Value"}}};
inline constexpr TBuiltinRule MixLeftRightRules[] = {
    {R::Mandatory, {"Volume Left to Left"}}, {R::Mandatory, {"Volume Right to Left"}},
    {R::Mandatory, {"Volume Left to Right"}}, {R::Mandatory, {"Volume Right to Right"}}};
inline constexpr TBuiltinRule DistortRules[] = {{R::Mandatory, {"Envelope"}}};
inline constexpr TBuiltinRule ChangeLengthRules[] = {{R::ExactlyOne, {"Length", "Length Factor"}}};
inline constexpr TBuiltinRule RollOutRules[] = {{R::Mandatory, {"Speed Factor"}},
                                                {R::ExactlyOneOfThree, {"Length", "Length Factor", "Count"}},
                                                {R::Mandatory, {"Start Position"}}};
inline constexpr TBuiltinRule SplitHorizontallyRules[] = {{R::Mandatory, {"Position"}}};
inline constexpr TBuiltinRule MoveMonoRules[] = {{R::Mandatory, {"Time Move"}}};
inline constexpr TBuiltinRule MoveStereoRules[] = {{R::Mandatory, {"Time Move Left"}},
                                                   {R::Mandatory, {"Time Move Right"}}};
inline constexpr TBuiltinRule BlockRules[] = {{R::AtMostOne, {"Count Horizontal", "Time Horizontal"}},
                                              {R::AtMostOne, {"Count Vertical", "Height"}}};
inline constexpr TBuiltinRule HighLowFilterRules[] = {{R::ExactlyOne, {"Frequency", "Envelope"}},
                                                      {R::Mandatory, {"Volume Factor"}},
                                                      {R::Mandatory, {"Filter Count"}},
                                                      {R::Mandatory, {"Normalize Volume"}}};
inline constexpr TBuiltinRule ResNotchRules[] = {
    {R::ExactlyOne, {"Frequency", "Frequency Envelope"}},
    {R::ExactlyOne, {"Frequency Width", "Frequency Width Envelope"}}};
inline constexpr TBuiltinRule BlockFilterRules[] = {{R::Mandatory, {"Block Time"}}};
inline constexpr TBuiltinRule PeriodEchoRules[] = {{R::Mandatory, {"Time"}},
                                                   {R::ExactlyOne, {"Volume", "Volume Envelope"}},
                                                   {R::Mandatory, {"Echo Count"}}};
inline constexpr TBuiltinRule InsertReplaceRules[] = {{R::Mandatory, {"Insert Wave"}}};
inline constexpr TBuiltinRule TempoPitchRules[] = {{R::Mandatory, {"Frequency Factor"}},
                                                   {R::Mandatory, {"Speed Factor"}},
                                                   {R::ExactlyOneOfThree, {"Length", "Length Factor", "Count"}},
                                                   {R::Mandatory, {"Start Position"}},
                                                   {R::Mandatory, {"High Quality"}},
                                                   {R::Mandatory, {"Block Size"}}};
inline constexpr TBuiltinRule MakeSilenceRules[] = {{R::Mandatory, {"Length"}}};
inline constexpr TBuiltinRule MakeLineRules[] = {{R::Mandatory, {"Length"}},      {R::Mandatory, {"Height Begin"}},
                                                 {R::Mandatory, {"Height End"}},  {R::Mandatory, {"Linear"}},
                                                 {R::Mandatory, {"Exponential"}}};
inline constexpr TBuiltinRule MakeBlockTriangleRules[] = {{R::Mandatory, {"Height 1"}},
                                                          {R::Mandatory, {"Height 2"}},
                                                          {R::Mandatory, {"Frequency"}},
                                                          {R::ExactlyOne, {"Middle", "Middle Envelope"}},
                                                          {R::ExactlyOne, {"Length", "Count"}},
                                                          {R::Mandatory, {"Start Position"}}};
inline constexpr TBuiltinRule MakeSinusRules[] = {{R::Mandatory, {"Height 1"}},
                                                  {R::Mandatory, {"Height 2"}},
                                                  {R::Mandatory, {"Frequency"}},
                                                  {R::ExactlyOne, {"Length", "Count"}},
                                                  {R::Mandatory, {"Start Position"}}};
inline constexpr TBuiltinRule MakeNoiseRules[] = {{R::Mandatory, {"Volume"}}, {R::Mandatory, {"Length"}}};
inline constexpr TBuiltinRule MixRules[] = {{R::Mandatory, {"Mix Wave"}},
                                            {R::Mandatory, {"Align Begin"}},
                                            {R::Mandatory, {"Align End"}},
                                            {R::Mandatory, {"Stretch"}}};
inline constexpr TBuiltinRule MakeNewWaveRules[] = {{R::Mandatory, {"Sample Frequency"}},
                                                    {R::Mandatory, {"Bytes Per Sample"}},
                                                    {R::Mandatory, {"Mono Stereo"}},
                                                    {R::Mandatory, {"Length"}}};
inline constexpr TBuiltinRule MergeHorizontallyRules[] = {{R::Mandatory, {"Wave Before"}},
                                                          {R::Mandatory, {"Wave After"}}};
inline constexpr TBuiltinRule MergeVerticallyRules[] = {
    {R::Mandatory, {"Wave Left"}},   {R::Mandatory, {"Wave Right"}},
    {R::Mandatory, {"Align Begin"}}, {R::Mandatory, {"Align End"}},
    {R::Mandatory, {"Stretch Shortest Wave"}}, {R::Mandatory, {"Stretch Longest Wave"}}};
inline constexpr TBuiltinRule OperandRules[] = {{R::Operands, {}}};
inline constexpr TBuiltinRule NotRules[] = {{R::Mandatory, {"Operand"}}};
inline constexpr TBuiltinRule TrigonometryRules[] = {{R::Mandatory, {"Angle"}}};
inline constexpr TBuiltinRule ArcRules[] = {{R::Mandatory, {"Expression"}}};
inline constexpr TBuiltinRule PowerRules[] = {{R::Mandatory, {"Base"}}, {R::Mandatory, {"Exponent"}}};
inline constexpr TBuiltinRule RootRules[] = {{R::Mandatory, {"Base"}}, {R::Mandatory, {"Root"}}};
inline constexpr TBuiltinRule LogRules[] = {{R::Mandatory, {"Base"}}, {R::Mandatory, {"X"}}};
inline constexpr TBuiltinRule RandomRules[] = {
    {R::Mandatory, {"Range Begin"}}, {R::Mandatory, {"Range End"}}, {R::Mandatory, {"Logaritmic"}}};
inline constexpr TBuiltinRule GaussianRules[] = {{R::Mandatory, {"Mean"}}, {R::Mandatory, {"Std Dev"}}};
inline constexpr TBuiltinRule SwitchRules[] = {
    {R::Mandatory, {"When True"}}, {R::Mandatory, {"When False"}}, {R::Mandatory, {"Switch"}}};
inline constexpr TBuiltinRule PosToTimeRules[] = {{R::ExactlyOne, {"Wave", "Sample Freq"}},
                                                  {R::Mandatory, {"Wave Position"}}};
inline constexpr TBuiltinRule TimeToPosRules[] = {{R::ExactlyOne, {"Wave", "Sample Freq"}},
                                                  {R::Mandatory, {"Time"}}};
inline constexpr TBuiltinRule PointInWaveRules[] = {{R::ExactlyOne, {"Wave Position", "Time"}}};
inline constexpr TBuiltinRule ModuloRules[] = {
    {R::Mandatory, {"Value"}}, {R::Mandatory, {"Range Begin"}}, {R::Mandatory, {"Range End"}}};
inline constexpr TBuiltinRule ConvertRangeRules[] = {
    {R::Mandatory, {"Value"}},           {R::Mandatory, {"Range Input Begin"}},
    {R::Mandatory, {"Range Input End"}}, {R::Mandatory, {"Range Output Begin"}},
    {R::Mandatory, {"Range Output End"}}};

} // namespace BuiltinTable
