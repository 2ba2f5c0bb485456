#!/usr/bin/env python3
# Writes the five skin style sheets and the built-in one from one template and
# a palette per skin, so a change to the set of styled controls reaches all six.
# Run by hand: tools/skins/make_skins.py [source tree]
import sys
T = """/* {title} */
QMainWindow {{ background: {window}; }}
QDialog, QWidget#About {{ background: {formbg}; }}
QMainWindow > QWidget > QFrame#RzPanel2, QMainWindow > QWidget > QFrame#RzPanel1 {{
    border: 2px {panelstyle} {panel}; }}

QMenuBar {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {bar0}, stop:1 {bar1});
    border-bottom: 1px solid {barline}; color: {bartext}; padding: 0; }}
QMenuBar::item {{ background: transparent; padding: 2px 8px; margin: 0; border-radius: {radius}px; }}
QMenuBar::item:selected {{ background: {hot}; color: {hottext}; }}
QMenuBar::item:pressed {{ background: {hotdown}; color: {hottext}; }}
QMenu {{ background: {menu}; border: 1px solid {menuline}; color: {text}; padding: 3px 0; }}
QMenu::item {{ padding: 4px 26px 4px 24px; background: transparent; }}
QMenu::item:selected {{ background: {hot}; color: {hottext}; }}
QMenu::item:disabled {{ color: {muted}; }}
QMenu::separator {{ height: 1px; background: {menuline}; margin: 3px 8px; }}

QStatusBar {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {bar0}, stop:1 {bar1});
    border-top: 1px solid {barline}; color: {bartext}; }}
QStatusBar::item {{ border: none; border-left: 1px solid {barline}; }}
QStatusBar QLabel {{ color: {bartext}; padding: 0 4px; }}

QToolBar {{ background: {bar1}; border: none; border-bottom: 1px solid {barline}; spacing: 2px; padding: 1px; }}

QPushButton, QToolButton {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {btn0}, stop:1 {btn1});
    border: 1px solid {btnline}; border-radius: {radius}px; color: {btntext};
    padding: 2px 8px; min-height: 15px; }}
/* Small tool buttons, as in the file dialog's tool bar, keep room for their icons. */
QToolButton {{ padding: 1px; min-height: 0px; }}
QPushButton:hover, QToolButton:hover {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {btnhot0}, stop:1 {btnhot1});
    border-color: {focus}; }}
QPushButton:pressed, QToolButton:pressed, QToolButton:checked {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {btn1}, stop:1 {btn0}); }}
QPushButton:focus {{ border-color: {focus}; }}
QPushButton:default {{ border: 1px solid {focus}; }}
QPushButton:disabled, QToolButton:disabled {{ color: {muted}; background: {disabled}; border-color: {disabledline}; }}

QLineEdit, QPlainTextEdit, QTextEdit, QSpinBox, QAbstractSpinBox {{
    background: {base}; color: {text}; border: 1px solid {editline}; border-radius: {editradius}px;
    selection-background-color: {hot}; selection-color: {hottext}; }}
QLineEdit {{ padding: 0 3px; }}
QLineEdit:focus, QPlainTextEdit:focus, QTextEdit:focus, QAbstractSpinBox:focus {{ border-color: {focus}; }}
QLineEdit:disabled, QAbstractSpinBox:disabled {{ background: {disabled}; color: {muted}; }}

QComboBox {{
    background: {base}; color: {text}; border: 1px solid {editline}; border-radius: {editradius}px;
    padding: 0 3px; selection-background-color: {hot}; selection-color: {hottext}; }}
QComboBox:focus, QComboBox:on {{ border-color: {focus}; }}
QComboBox QAbstractItemView {{
    background: {base}; color: {text}; border: 1px solid {focus};
    selection-background-color: {hot}; selection-color: {hottext}; outline: none; }}

QCheckBox, QRadioButton {{ color: {text}; spacing: 5px; background: transparent; }}
QCheckBox:disabled, QRadioButton:disabled {{ color: {muted}; }}
QCheckBox::indicator, QRadioButton::indicator {{ width: 13px; height: 13px; border: 1px solid {editline}; background: {base}; }}
QCheckBox::indicator {{ border-radius: {chkradius}px; }}
QRadioButton::indicator {{ border-radius: 7px; }}
QCheckBox::indicator:hover, QRadioButton::indicator:hover {{ border-color: {focus}; }}
QCheckBox::indicator:checked {{ background: {mark}; border-color: {mark}; image: url(:/velmora/SkinCheck.png); }}
QRadioButton::indicator:checked {{
    background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
        stop:0 {mark}, stop:0.42 {mark}, stop:0.52 {base}, stop:1 {base}); }}
QCheckBox::indicator:disabled, QRadioButton::indicator:disabled {{ background: {disabled}; border-color: {disabledline}; }}

QGroupBox {{
    border: 1px solid {groupline}; border-radius: {radius}px; margin-top: 7px; padding-top: 4px;
    background: {groupbg}; }}
QGroupBox::title {{
    subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0 3px;
    color: {grouptitle}; }}

QScrollBar:vertical {{ background: {groove}; width: 15px; margin: 0; border-left: 1px solid {grooveline}; }}
QScrollBar:horizontal {{ background: {groove}; height: 15px; margin: 0; border-top: 1px solid {grooveline}; }}
QScrollBar::handle:vertical {{
    background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 {btn0}, stop:1 {btn1});
    border: 1px solid {btnline}; border-radius: {handleradius}px; min-height: 24px; margin: 2px; }}
QScrollBar::handle:horizontal {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {btn0}, stop:1 {btn1});
    border: 1px solid {btnline}; border-radius: {handleradius}px; min-width: 24px; margin: 2px; }}
QScrollBar::handle:hover {{ border-color: {focus}; }}
QScrollBar::add-line, QScrollBar::sub-line {{ width: 0; height: 0; border: none; background: none; }}
QScrollBar::add-page, QScrollBar::sub-page {{ background: none; }}

QProgressBar {{ border: 1px solid {editline}; border-radius: {editradius}px; background: {base};
    color: {text}; text-align: center; }}
QProgressBar::chunk {{ background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {hot}, stop:1 {hotdown}); }}

QTabWidget::pane {{ border: 1px solid {groupline}; top: -1px; background: {base}; }}
QTabBar::tab {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {btn0}, stop:1 {btn1});
    border: 1px solid {btnline}; border-bottom: none; padding: 3px 10px; margin-right: 1px; color: {btntext};
    border-top-left-radius: {radius}px; border-top-right-radius: {radius}px; }}
QTabBar::tab:selected {{ background: {base}; color: {text}; }}

QTreeView, QListView, QTableView {{
    background: {base}; color: {text}; border: 1px solid {editline};
    selection-background-color: {hot}; selection-color: {hottext}; }}
QHeaderView::section {{ background: {btn1}; color: {btntext}; border: 1px solid {btnline}; padding: 2px 4px; }}
QToolTip {{ background: {tip}; color: {text}; border: 1px solid {menuline}; padding: 2px; }}
"""

skins = {
 'builtin': dict(formbg='#ece9d8', mark='#3f8f3f', chkradius=2, title="Built-in skin: plain silver with green accents, compiled into the program.",
   window="#ece9d8", panelstyle="groove", panel="#b9b7a8",
   bar0="#f7f6ef", bar1="#e3e0cf", barline="#b3b09c", bartext="#1f1f1f",
   hot="#3f8f3f", hotdown="#2f6f2f", hottext="#ffffff", radius=2,
   menu="#fbfaf5", menuline="#a7a491", text="#1f1f1f", muted="#9a9a90",
   btn0="#ffffff", btn1="#dedbc8", btnline="#8d8b78", btntext="#1f1f1f",
   btnhot0="#fffbe6", btnhot1="#ece6c4", focus="#3f8f3f", disabled="#efeee6", disabledline="#c9c7b8",
   base="#ffffff", editline="#8d8b78", editradius=0, groupline="#b3b09c", groupbg="transparent",
   grouptitle="#2f6f2f", groove="#f1efe4", grooveline="#d6d3c2", handleradius=2, tip="#ffffe1"),
 'mxskin24': dict(formbg='#eef1f6', mark='#4a78b0', chkradius=2, title="默认风格: cool silver and steel blue, gently rounded.",
   window="#e4e8ee", panelstyle="solid", panel="#8fa2bb",
   bar0="#fdfeff", bar1="#d3dbe6", barline="#9aabc1", bartext="#1d2b3c",
   hot="#4a78b0", hotdown="#35608f", hottext="#ffffff", radius=3,
   menu="#f7f9fc", menuline="#9aabc1", text="#1d2b3c", muted="#8e97a3",
   btn0="#ffffff", btn1="#d5dde8", btnline="#8094ad", btntext="#1d2b3c",
   btnhot0="#ffffff", btnhot1="#c6d6ea", focus="#4a78b0", disabled="#eceff3", disabledline="#c2cad5",
   base="#ffffff", editline="#8094ad", editradius=2, groupline="#9aabc1", groupbg="rgba(255,255,255,60)",
   grouptitle="#2e4f78", groove="#edf0f5", grooveline="#cdd5e0", handleradius=3, tip="#f7f9fc"),
 'mxp1': dict(formbg='#dde9f8', mark='#1b4f96', chkradius=3, title="蓝色风情: deep ocean blue bars with bright azure highlights.",
   window="#1f4e8c", panelstyle="solid", panel="#163c6e",
   bar0="#3d7fd1", bar1="#1b4f96", barline="#123a70", bartext="#ffffff",
   hot="#ffd24a", hotdown="#f0b400", hottext="#1a2a40", radius=4,
   menu="#eef5ff", menuline="#3d7fd1", text="#0f2744", muted="#7f93ad",
   btn0="#6fb0ff", btn1="#2467c2", btnline="#174a8f", btntext="#ffffff",
   btnhot0="#8cc2ff", btnhot1="#2f78d8", focus="#ffd24a", disabled="#a9bbd3", disabledline="#8aa0bd",
   base="#f5f9ff", editline="#2467c2", editradius=3, groupline="#2467c2", groupbg="rgba(224,238,255,90)",
   grouptitle="#123a70", groove="#d6e6fb", grooveline="#9dbde6", handleradius=6, tip="#eef5ff"),
 'mxp3': dict(formbg='#f7ecd9', mark='#8f3b1b', chkradius=3, title="秋天童话: autumn russet and amber on warm parchment.",
   window="#f3e6cf", panelstyle="ridge", panel="#b8793a",
   bar0="#e9a45b", bar1="#b5652a", barline="#8a4a1c", bartext="#fff7e8",
   hot="#8f3b1b", hotdown="#6e2a10", hottext="#fff3df", radius=5,
   menu="#fff6e6", menuline="#c98a4b", text="#4a2a12", muted="#ab9278",
   btn0="#fff1d6", btn1="#eec58a", btnline="#b5652a", btntext="#5a2e0e",
   btnhot0="#fff8e8", btnhot1="#f4d29f", focus="#8f3b1b", disabled="#f1e7d6", disabledline="#d8c2a2",
   base="#fffaf0", editline="#c98a4b", editradius=4, groupline="#c98a4b", groupbg="rgba(255,244,222,110)",
   grouptitle="#8f3b1b", groove="#f6e8cf", grooveline="#dcc29a", handleradius=5, tip="#fff6e6"),
 'mxskin56': dict(formbg='#fbeef4', mark='#b0406f', chkradius=4, title="深情摇篮: soft rose and plum, round and tender.",
   window="#f8e6ee", panelstyle="solid", panel="#c9789c",
   bar0="#fbd3e2", bar1="#e79ab9", barline="#c36d92", bartext="#4d1731",
   hot="#b0406f", hotdown="#8d2b55", hottext="#ffffff", radius=8,
   menu="#fff5f9", menuline="#e0a3bd", text="#4d1731", muted="#b58ea0",
   btn0="#fff0f6", btn1="#f2b8cf", btnline="#c36d92", btntext="#5e1d3c",
   btnhot0="#fff7fb", btnhot1="#f7c9db", focus="#b0406f", disabled="#f6e9ef", disabledline="#dec3cf",
   base="#fffafc", editline="#d58aaa", editradius=6, groupline="#d58aaa", groupbg="rgba(255,240,246,120)",
   grouptitle="#8d2b55", groove="#fbeaf1", grooveline="#eec7d7", handleradius=7, tip="#fff5f9"),
 'mxp2': dict(formbg='#eefafd', mark='#0b86b3', chkradius=0, title="飞扬天空: flat sky cyan and white, with square edges.",
   window="#e6f7fb", panelstyle="solid", panel="#38b6d8",
   bar0="#5fd0ee", bar1="#5fd0ee", barline="#2aa3c8", bartext="#06394a",
   hot="#0b86b3", hotdown="#076a8f", hottext="#ffffff", radius=0,
   menu="#ffffff", menuline="#5fd0ee", text="#073b4c", muted="#8fb2bd",
   btn0="#e9fbff", btn1="#e9fbff", btnline="#38b6d8", btntext="#06506a",
   btnhot0="#c6f1fb", btnhot1="#c6f1fb", focus="#0b86b3", disabled="#eef6f8", disabledline="#bfdbe3",
   base="#ffffff", editline="#38b6d8", editradius=0, groupline="#38b6d8", groupbg="transparent",
   grouptitle="#0b86b3", groove="#eaf8fc", grooveline="#bfe8f3", handleradius=0, tip="#ffffff"),
}
import os
root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..')
for name, p in skins.items():
    text = T.format(**p)
    if name == 'builtin':
        path = os.path.join(root, 'app', 'BuiltinSkin.qss')
    else:
        path = os.path.join(root, 'assets', 'skin', name + '.dll')
    with open(path, 'w', encoding='utf-8') as f:
        f.write(text)
