#include "dialogs/message_table.h"

#include <array>

namespace reki {
namespace {

struct Message {
  const char* dutch;
  const char* english;
};

// The address of our web page, the last line of the info message.
#define REKIPLUS_WEB_ADDRESS "https://rekiplus.example.org"

constexpr std::array<Message, kMessageCount> kMessages = {{
    {"Onbekende fout", "Unknown error"},
    {"Helaas de tijd is verstreken.\nJe krijgt de oplossingen van de som te zien!",
     "Unfortunately, the time has gone.\nYou will see the solution of the exercise!"},
    {"De tijd is nog niet verstreken!\nWil je toch de oplossingen van de som zien?",
     "You have still time to solve the exercise!\nWould you like to see the solution of the "
     "exercise?"},
    {"Je bent vergeten een getal of de keuze van het\nresultaat in te voeren.\nOok is het "
     "mogelijk dat je symbolen hebt\nproberen in te voeren!",
     "You forgot to insert one of the 10 numbers\nor the result.\nIt could also be possible you "
     "tried to\ninsert non-decimals!"},
    {"Je hebt één getal twee maal proberen in te voeren", "You tried to insert one number twice"},
    {"Je kunt geen getallen invoeren die\nkleiner zijn dan 0 of groter dan 99!",
     "You can't insert numbers which are\nsmaller than 1 or larger than 99!"},
    {"Je kunt geen resultaten invoeren\nkleiner dan 0 of groter dan 999!",
     "You can't insert numbers which are\nsmaller than 1 or larger than 999!"},
    {"Er is geen oplossing voor deze\nverzameling getallen.\nKies een andere verzameling.",
     "There are no solutions for this\nset of numbers.\nTry another set."},
    {"Je antwoord is fout.\nWil je de oplossingen zien?",
     "Your answer was wrong.\nWould you like to see the solution?"},
    {"Hoera, je hebt een oplossing gevonden.\nWil je ALLE oplossingen zien?",
     "Yes, you did it!\nYou found the solution!\nWould you like to see ALL solutions?"},
    {"Er is een fout opgetreden bij het lezen\nvanuit \"Rekito.Ini\". Maak een andere keuze",
     "An error occured while reading\n\"Rekito.Ini\". Make another choice."},
    {"De oplossingen bij deze verzameling getallen\nzijn al berekend!",
     "All solutions for this set of numbers\nhave been calculated!"},
    {"Rekiplus is vrije software: je mag het spel gratis\ngebruiken, kopiëren en doorgeven, "
     "zolang het\nongewijzigd blijft en niet wordt verkocht.\n" REKIPLUS_WEB_ADDRESS,
     "Rekiplus is free software: you may use, copy\nand pass on the game free of charge, as long "
     "as\nit stays unchanged and is not sold.\n" REKIPLUS_WEB_ADDRESS},
    {"Niet alle mogelijke oplossingen zullen worden\nberekend. Dit komt omdat het "
     "resultaat-getal\nniet groter is gekozen dan de grootste van de\n10 getallen.",
     "Not all of the solutions will be calculated,\nsince the result-number is smaller than "
     "the\nlargest of the 10 numbers."},
    {"Wilt u het Rekito programma verlaten?", "Would you like to leave Rekito?"},
}};

#undef REKIPLUS_WEB_ADDRESS

}  // namespace

QString MessageText(int nr, bool english) {
  const Message& message = kMessages[nr >= 0 && nr < kMessageCount ? nr : 0];
  return QString::fromUtf8(english ? message.english : message.dutch);
}

}  // namespace reki
