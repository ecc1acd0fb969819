#pragma once

#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"

#include "ImpressionQt.h"

#include <gtest/gtest.h>

#include <vector>

// A fresh work without an acquisition system, as start-up builds it, with a scripted host.
class TravailDeTest : public ::testing::Test {
protected:
    pelavorine::HoteScripte hote;
    pelavorine::Travail travail{hote};
    pelavorine::TableVariables& table = travail.Variables();

    pelavorine::TypeId& Var(int slot) { return *table.Variable(slot); }
    pelavorine::TypeId& Var(const QString& nom) {
        return *table.Variable(table.IndexVariable(nom));
    }

    // Points 1..NbPoints of a variable.
    std::vector<double> Points(int slot) {
        const pelavorine::TypeId& v = Var(slot);
        std::vector<double> p;
        for (int i = 1; i <= v.NbPoints; ++i)
            p.push_back(v.LirePoint(i));
        return p;
    }

    // A table of acquired points 1..n with the given values.
    int Table(const QString& nom, std::initializer_list<double> points,
              std::uint16_t genre = pelavorine::genre::Acquise) {
        const int slot = table.CreerVariable(nom, static_cast<int>(points.size()), genre);
        int i = 1;
        for (double p : points)
            table.Variable(slot)->EcrirePoint(i++, p);
        return slot;
    }
};
