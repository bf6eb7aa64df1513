// A freshly loaded module for each test: zeroed state, a stand-in host
// with no calls, an empty desktop of our own and a document folder of its
// own, all removed again afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "host/standin_log.h"
#include "module/hooks.h"
#include "module/module_state.h"
#include "tools/desk/desk.h"

using lines = std::vector<std::string>;

inline std::filesystem::path make_test_folder()
{
    std::random_device rd;
    for (;;) {
        auto p = std::filesystem::temp_directory_path() /
                 ("tunecrier-test-" + std::to_string(rd() % 1000000000u));
        std::error_code ec;
        if (std::filesystem::create_directory(p, ec))
            return p;
    }
}

struct module_fixture : ::testing::Test {
    std::filesystem::path folder;
    std::string docroot;

    void SetUp() override
    {
        reset_module_state();
        standin_reset();
        desk_close_all();
        folder = make_test_folder();
        docroot = folder.string();
        standin_set_docroot(docroot.c_str());
    }

    void TearDown() override
    {
        desk_close_all();
        reset_module_state();
        standin_reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    // The host calls since the last clear, as readable lines.
    lines calls() const { return standin_lines(docroot); }
    // The calls so far, forgetting them.
    lines take_calls() const
    {
        lines l = calls();
        standin_clear_calls();
        return l;
    }

    void load(std::int32_t id = 7)
    {
        std::int32_t record[4] = {id, 0, 0, 0};
        on_module(0, record);
    }
    void unload() { on_module(1, nullptr); }
    void enable() { on_module(2, nullptr); }
    void disable() { on_module(3, nullptr); }

    std::int32_t command(std::vector<std::string> words)
    {
        std::vector<char*> argv;
        for (auto& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        return on_command(static_cast<std::int32_t>(words.size()), argv.data());
    }

    std::filesystem::path ini_file() const { return folder / "ROVIriv.ini"; }
    void write_ini(const std::string& content) const
    {
        std::ofstream(ini_file(), std::ios::binary) << content;
    }
    // The settings file's lines, without their line breaks.
    lines ini_lines() const
    {
        std::ifstream in(ini_file(), std::ios::binary);
        lines out;
        for (std::string l; std::getline(in, l);) {
            if (!l.empty() && l.back() == '\r')
                l.pop_back();
            out.push_back(l);
        }
        return out;
    }
};
