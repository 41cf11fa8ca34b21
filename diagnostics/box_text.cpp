#include "diagnostics/box_text.h"

const char kMessageCaption[] = "Kivrelle Installer";

namespace {

struct Suffix {
    const char* language;
    const char* text;
};

// Windows-1252, Polish in Windows-1250. The Japanese row is in English on purpose.
const Suffix kSuffixes[] = {
    {"english", "\n\nSee errors.log and jinstall.log files for details."},
    {"french",
     "\n\nVeuillez examiner les fichiers errors.log et jinstall.log pour plus de d\xe9tails sur "
     "l'erreur."},
    {"german",
     "\n\nBitte \xfc" "berpr\xfc" "fen Sie die Dateien errors.log und jinstall.log f\xfcr "
     "n\xe4here Angaben zu diesem Problem."},
    {"spanish", "\n\nRevise por favor errors.log y jinstall.log para m\xe1s detalles acerca del error."},
    {"polish",
     "\n\nW celu uzyskania dok\xb3" "adnej informacji o b\xb3\xea" "dach prosz\xea przejrze\xe6 "
     "pliki errors.log i jinstall.log files."},
    {"italian",
     "\n\nPrego, controlla i file errors.log and jinstall.log per maggiori dettagli sull'error."},
    {"portuguese",
     "\n\nPor favor, verifique os arquivos errors.log e jinstall.log para maiores detalhes a "
     "respeito do erro."},
    {"japanese",
     "\n\nPlease review the errors.log and jinstall.log files for more details about the error."},
    {"dutch",
     "\n\nLees a.u.b. de errors.log- en jinstall.log-bestanden voor meer informatie over dit "
     "probleem."},
};

}  // namespace

std::string errorCaption(const std::string& messageCaption) {
    return messageCaption + ": Error";
}

const char* errorSuffix(const std::string& language) {
    for (const Suffix& suffix : kSuffixes) {
        if (language == suffix.language) return suffix.text;
    }
    return kSuffixes[0].text;
}

std::string errorBoxText(const std::string& text, const std::string& language) {
    return text + errorSuffix(language);
}
