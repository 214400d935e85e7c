// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every record of the game state as JSON. Floats are written with nine significant
// digits so that equal states give equal text and a failing check shows a readable diff.
#include "sim/state_dump.h"

#include <cstdio>

#include "shell/globals.h"

namespace {

class Json {
  public:
    void open(char c) {
        comma();
        out_ += c;
        first_ = true;
    }
    void close(char c) {
        out_ += c;
        first_ = false;
    }
    void key(const char* k) {
        comma();
        out_ += '"';
        out_ += k;
        out_ += "\":";
        first_ = true;  // the value follows without a comma
    }
    void value(int v) {
        comma();
        out_ += std::to_string(v);
    }
    void value(float v) {
        comma();
        char b[32];
        std::snprintf(b, sizeof b, "%.9g", static_cast<double>(v));
        out_ += b;
    }
    void value(const std::string& s) {
        comma();
        out_ += '"';
        for (char c : s) {
            if (c == '"' || c == '\\') out_ += '\\';
            if (static_cast<unsigned char>(c) < 0x20) {
                char b[8];
                std::snprintf(b, sizeof b, "\\u%04x", c);
                out_ += b;
                continue;
            }
            out_ += c;
        }
        out_ += '"';
    }
    template <typename T>
    void field(const char* k, const T& v) {
        key(k);
        value(v);
    }
    std::string& text() { return out_; }

  private:
    void comma() {
        if (!first_) out_ += ',';
        first_ = false;
    }
    std::string out_;
    bool first_ = true;
};

#define F(name) j.field(#name, r.name)

void write(Json& j, const game_tag& r) {
    j.open('{');
    F(state);
    F(topscore);
    F(players);
    F(curplayer);
    F(jump);
    F(tracertmr);
    F(invincible);
    F(fbflashstp);
    F(fbflashctr);
    F(turbo);
    F(sound);
    F(onplatform);
    F(cauldx);
    F(cauldy);
    F(cauldfc);
    F(cauldft);
    F(setpoint);
    F(curdir);
    F(fbshoot);
    F(cpflasher);
    F(tovodeath);
    F(wlaugh);
    F(savesc);
    F(item);
    F(wltimer);
    F(scmx);
    F(scmy);
    F(scmys);
    F(fireballtmr);
    F(fireballmaxtmr);
    F(autoturbo);
    F(music);
    F(soundset);
    j.close('}');
}

void write(Json& j, const player_tag& r) {
    j.open('{');
    F(score);
    F(lives);
    F(magic);
    F(level);
    F(area);
    F(power);
    F(x);
    F(y);
    F(xstp);
    F(ystp);
    F(yscale);
    F(state);
    F(rotation);
    j.key("item");
    j.open('[');
    for (int v : r.item) j.value(v);
    j.close(']');
    F(fireballmaxtmr);
    j.close('}');
}

void write(Json& j, const fireball_tag& r) {
    j.open('{');
    F(x);
    F(y);
    F(xstp);
    F(ystp);
    F(rstp);
    F(rotation);
    F(frame);
    F(state);
    j.close('}');
}

void write(Json& j, const monster_tag& r) {
    j.open('{');
    F(x);
    F(y);
    F(sx);
    F(sy);
    F(xstp);
    F(ystp);
    F(ctr1);
    F(rotation);
    F(rstp);
    F(xscale);
    F(yscale);
    F(frame);
    F(framectr);
    F(frametmr);
    F(typ);
    F(deathtmr);
    F(state);
    F(entered);
    F(projectile);
    F(px);
    F(py);
    F(pxstp);
    F(pystp);
    F(prstp);
    F(pframe);
    j.close('}');
}

void write(Json& j, const specialitem_tag& r) {
    j.open('{');
    F(x);
    F(y);
    F(xstp);
    F(ystp);
    F(yinc);
    F(rstp);
    F(rotation);
    F(frame);
    F(framedly);
    F(framectr);
    F(typ);
    j.close('}');
}

void write(Json& j, const elevator_tag& r) {
    j.open('{');
    F(x);
    F(y);
    F(xstp);
    F(ystp);
    F(xscale);
    F(typ);
    F(frame);
    F(distctr);
    F(dstp);
    j.close('}');
}

void write(Json& j, const specialfx_tag& r) {
    j.open('{');
    F(x);
    F(y);
    F(xstp);
    F(ystp);
    F(astp);
    F(rstp);
    F(rotation);
    F(xscale);
    F(yscale);
    F(alpha);
    F(typ);
    F(clr);
    F(frametmr);
    F(framectr);
    F(point);
    j.close('}');
}

#undef F

template <typename T>
void write_list(Json& j, const char* name, const TList<T>& list) {
    j.key(name);
    j.open('[');
    list.ForEach([&](const T& v) { write(j, v); });
    j.close(']');
}

bool cell_has_other(const map_tag& c) {
    return c.rotation || c.xscale != 0 || c.yscale != 0 || c.framectr || c.framedly || c.yoffset ||
           c.objectid || c.multitmr || c.hidden || c.hiddenwall;
}

void write_cells(Json& j) {
    j.key("map_cells");
    j.open('{');
    j.key("tile1");
    j.open('[');
    for (const map_tag& c : map_cells) j.value(c.tile1);
    j.close(']');
    j.key("tile2");
    j.open('[');
    for (const map_tag& c : map_cells) j.value(c.tile2);
    j.close(']');
    j.field("x0", map_cells[0].x);
    j.key("other");
    j.open('[');
    for (int i = 0; i < map_tag::kCells; ++i) {
        const map_tag& r = map_cells[i];
        if (!cell_has_other(r)) continue;
        j.open('{');
        j.field("index", i);
        j.field("rotation", r.rotation);
        j.field("xscale", r.xscale);
        j.field("yscale", r.yscale);
        j.field("framectr", r.framectr);
        j.field("framedly", r.framedly);
        j.field("yoffset", r.yoffset);
        j.field("objectid", r.objectid);
        j.field("multitmr", r.multitmr);
        j.field("hidden", r.hidden);
        j.field("hiddenwall", r.hiddenwall);
        j.close('}');
    }
    j.close(']');
    j.close('}');
}

}  // namespace

std::string dump_state_json(int frame, int millisecs, const std::vector<std::string>& sounds) {
    Json j;
    j.open('{');
    j.field("frame", frame);
    j.field("millisecs", millisecs);
    j.key("game");
    write(j, game);
    j.key("player");
    j.open('[');
    write(j, player[0]);
    write(j, player[1]);
    j.close(']');
    j.key("fireball");
    write(j, fireball);
    write_list(j, "monster_list", monster_list);
    write_list(j, "specialitem_list", specialitem_list);
    write_list(j, "elevator_list", elevator_list);
    write_list(j, "specialfx_list", specialfx_list);
    j.field("demo_playing", demo_playing);
    j.field("demo_pos", demo_pos);
    j.field("demo_next", demo_next);
    write_cells(j);
    j.key("sounds");
    j.open('[');
    for (const std::string& s : sounds) j.value(s);
    j.close(']');
    j.close('}');
    j.text() += '\n';
    return j.text();
}
