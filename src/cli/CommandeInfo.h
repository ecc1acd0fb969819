#pragma once

#include <QString>
#include <QStringList>

namespace pelavorine::cli {

// "pelavorine-cli info": lists what a work file holds (header, description, records in file
// order) and the variables it gives when read, for a person or as one JSON document. A
// damaged file is listed up to the damage and reported as an error.
class CommandeInfo {
public:
    // False with a message for a usage error.
    bool Analyser(const QStringList& arguments, QString& erreur);
    int Executer();

private:
    QString fichier_;
    bool json_ = false;
};

} // namespace pelavorine::cli
