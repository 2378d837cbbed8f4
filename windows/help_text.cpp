#include "windows/help_text.h"

#include <iterator>
#include <string>

namespace {

// One entry per line of the text. The sample data and their results are the ones the analysis
// run reproduces for 6 raters, 30 cases and 5 categories, so they must change only together.
constexpr const char* kLines[] = {
    "Quorvane",
    "",
    "In many fields observers sort objects or subjects into nominal categories: clinicians assign "
    "diagnoses, coders classify the answers to open questions. Whether such classifications can "
    "be trusted depends on how well the observers agree. The best known coefficient of agreement "
    "for nominal scales is Cohen's kappa (1960). It takes the agreement the observers reach, "
    "removes the part of it that chance alone would produce, and normalises what is left, so that "
    "1 stands for perfect agreement and 0 for agreement no better than chance.",
    "",
    "Cohen's kappa has two limits. The first is that it compares two observers only. Light's kappa "
    "(1971) extends it to many observers, so that the agreement of a whole group of observers can "
    "be measured with one statistic.",
    "",
    "The second limit holds for both statistics: they assume that the same observers classify "
    "every case. Applied work often cannot meet this assumption. A study may have more than two "
    "observers classify each case, and the observers who classify one case may not be the ones "
    "who classify the next, as when each patient is diagnosed by whichever clinicians are at hand.",
    "",
    "Fleiss' kappa (1971) lifts both limits: every case may be classified by observers of its own, "
    "as long as each case has the same number of them. It gives an overall coefficient of "
    "agreement across all categories and, for each category, a conditional coefficient, built on "
    "the chance that two observers chosen at random put a case into that same category once one "
    "of them has. With the conditional coefficients the reliability of each category can be "
    "judged on its own.",
    "",
    "Quorvane computes, by the formulae of Fleiss' kappa, the overall coefficient of agreement and "
    "the coefficient of each category, and tests each of them for significance with its standard "
    "error, its z value and the two-tailed probability of that z.",
    "",
    "References",
    "Abramowitz, M., & Stegun, I. A. (Eds.). (1964). Handbook of mathematical",
    "     functions with formulas, graphs, and mathematical tables (Applied",
    "     Mathematics Series 55). Washington, DC: National Bureau of Standards.",
    "Cohen, J. (1960). A coefficient of agreement for nominal scales. Educational and",
    "     Psychological Measurement, 20(1), 37-46.",
    "Fleiss, J. L. (1971). Measuring nominal scale agreement among many raters.",
    "     Psychological Bulletin, 76(5), 378-382.",
    "Light, R. J. (1971). Measures of response agreement for qualitative data: Some",
    "     generalizations and alternatives. Psychological Bulletin, 76(5), 365-377.",
    "",
    "Data Input",
    "Quorvane reads its data from a text file; the data cannot be typed into the program. Each "
    "case takes one line of the file. A case holds one entry for every category, in the order of "
    "the categories: the number of observers who put the case into that category, with 0 for a "
    "category that no observer chose. The entries of a case are separated by tab characters, and "
    "a line end closes each case, so the file is plain tab-delimited text. Spaces or commas do not "
    "separate entries; only tabs do.",
    "",
    "For example, suppose 4 observers classify each of 5 cases into one of 3 categories. With case "
    "labels and spaces added to make it easier to read, the data look like this:",
    "     case #1---> 1 2 1",
    "     case #2---> 1 1 2",
    "       ..........................",
    "    case #5---> 3 1 0",
    "",
    "In case 1, one observer put the case into category 1, two observers put it into category 2 "
    "and one put it into category 3. In case 5, three observers chose category 1, one chose "
    "category 2 and none chose category 3.",
    "",
    "Sample Data",
    "The sample data are those of Fleiss (1971): each of 30 cases was put into one of 5 categories "
    "by 6 raters. Each line below is one case.",
    "0\t0\t0\t6\t0",
    "0\t3\t0\t0\t3",
    "0\t1\t4\t0\t1",
    "0\t0\t0\t0\t6",
    "0\t3\t0\t3\t0",
    "2\t0\t4\t0\t0",
    "0\t0\t4\t0\t2",
    "2\t0\t3\t1\t0",
    "2\t0\t0\t4\t0",
    "0\t0\t0\t0\t6",
    "1\t0\t0\t5\t0",
    "1\t1\t0\t4\t0",
    "0\t3\t3\t0\t0",
    "1\t0\t0\t5\t0",
    "0\t2\t0\t3\t1",
    "0\t0\t5\t0\t1",
    "3\t0\t0\t1\t2",
    "5\t1\t0\t0\t0",
    "0\t2\t0\t4\t0",
    "1\t0\t2\t0\t3",
    "0\t0\t0\t0\t6",
    "0\t1\t0\t5\t0",
    "0\t2\t0\t1\t3",
    "2\t0\t0\t4\t0",
    "1\t0\t0\t4\t1",
    "0\t5\t0\t1\t0",
    "4\t0\t0\t0\t2",
    "0\t2\t0\t4\t0",
    "1\t0\t5\t0\t0",
    "0\t0\t0\t0\t6",
    "",
    "Analysed with 6 raters, 30 cases and 5 categories, the sample data give these results:",
    "++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++",
    "            Agreement   Kappa   StandError     z        p",
    "++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++",
    "Overall       .5556    +.4302     .0275     +15.64    .0000",
    "Category1     .3538    +.2448     .1139      +2.15    .0316",
    "Category2     .3538    +.2448     .1139      +2.15    .0316",
    "Category3     .6000    +.5200     .1166      +4.46    .0000",
    "Category4     .6327    +.4711     .1395      +3.38    .0007",
    "Category5     .6698    +.5661     .1275      +4.44    .0000",
    "++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++",
    "",
    "If kappa statistics computed with Quorvane appear in a professional publication, please cite "
    "the program as follows:",
    "     The Quorvane team. (2020). Quorvane [Computer software] (Version 2.0). "
    "Leuven, Belgium: The Quorvane team.",
    "",
    "               ***************************************************************",
    "Quorvane is copyright (c) 2002-2020 the Quorvane team. You may pass it on to others through "
    "shareware channels; you may not sell it, in any form.",
    "",
    "Quorvane is provided as is, without warranty of any kind, express or implied. The Quorvane "
    "team accepts no liability for any loss or damage that arises from the use of the program or "
    "of its results. Agreement statistics, like all statistics, call for professional care and "
    "judgement in their use and interpretation.",
};

std::string Joined() {
  std::string text = kLines[0];
  for (std::size_t i = 1; i < std::size(kLines); ++i) {
    text += "\r\n";
    text += kLines[i];
  }
  return text;
}

}  // namespace

const rt::String& HelpText() {
  static const rt::String text(Joined());
  return text;
}
