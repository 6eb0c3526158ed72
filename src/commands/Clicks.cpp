// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Clicks.h"

#include "commands/TableClicks.h"
#include "commands/Statistics.h"
#include "commands/Commands.h"

namespace tarnwick {

ClickResult Click(Game& G, Clickable Target) {
    switch (Target.What) {
    case Element::Card:
        return Cds_Click(G, Target.Index);
    case Element::BidNumber:
        return LblBids_Click(G, Target.Index);
    case Element::Continue:
        return CmdClose_Click(G);
    case Element::CloseStatistics:
        return Command1_Click(G);
    case Element::MessageButton:
        return Label1_Click(G, Target.Index);
    case Element::NewGame:
        return MnuNew_Click(G);
    case Element::Exit:
        return MnuExit_Click(G);
    case Element::ChangeName:
        return mnuNameChange_Click(G);
    case Element::Target300:
        return Mnu300_Click(G);
    case Element::Target200:
        return Mnu200_Click(G);
    case Element::Target100:
        return Mnu100_Click(G);
    case Element::Statistics:
        return mnuFunmun_Click(G);
    case Element::DeleteStatistics:
        return MnuDelete_Click(G);
    }
    return ClickResult::Ignored;
}

} // namespace tarnwick
