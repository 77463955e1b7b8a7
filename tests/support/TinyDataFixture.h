#pragma once
// A tiny but complete data set: one record or line in each of the fifteen
// data files, installed as resource overrides for the test.

#include "data/World.h"
#include "support/DataFixtures.h"

namespace zarvel {

class TinyDataFixture : public ResourceFixture {
 protected:
  void SetUp() override {
    UseDataFile(kInitFile,
                "kompas=1\r\nbatoh=3\r\noldskul=true\r\nhrac=1\r\npl=1/4\r\n"
                "plm=1/muž\r\nseverano_muz=Jdeš na sever.\r\n");
    UseDataFile(kItemsFile,
                "0;0;null;null;null\r\n1;4;lampu;lampu;movable\r\n"
                "2;1000;klíč;klíč;movable");
    UseDataFile(kLocationsFile,
                "<lokace 4>\r\n4\r\n\r\n\r\n0,0,0,0,0,0\r\nSklep.\r\n");
    UseDataFile(kExamineFile, "---\r\nlampu\r\npr=1/M\r\n\r\nLampa.\r\n");
    UseDataFile(kUseFile, "---\r\nklíč\r\npr=2/I\r\nsc=1\r\nCvak.\r\n");
    UseDataFile(kInventoryEventsFile, "---\r\npr=2/I\r\n\r\nNeseš klíč.\r\n");
    UseDataFile(kEventsFile, "---\r\nrm=4\r\ncnt=1/on\r\n\r\n");
    UseDataFile(kTakeRulesFile, "---\r\nlampu\r\nrm=4\r\n\r\n1\r\nNe.\r\n");
    UseDataFile(kDropRulesFile, "---\r\nklíč\r\nrm=4\r\n\r\n0\r\nCink.\r\n");
    UseDataFile(kLegendFile, "x\r\n\r\ny");
    UseDataFile(kDictionaryFile, "a\r\nb\r\n");
    UseDataFile(kIntroFile, "I1\r\nI2\r\n");
    UseDataFile(kOutroFile, "O\r\n");
    UseDataFile(kHelpFile, "h1\nh2");
    UseDataFile(kDialoguesFile,
                "---\r\nkuchaře\r\npr=1/M\r\n1\r\nCesta?\r\nKudy?\r\n"
                "Tudy.\r\n0\r\n\r\n");
  }
};

}  // namespace zarvel
