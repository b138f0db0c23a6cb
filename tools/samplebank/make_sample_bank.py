#!/usr/bin/env python3
"""Generate the SAMPLE question bank source (resources/bank/*.json).

Everything written here is demonstration content: templated arithmetic,
date calculations, simple logic and a handful of hand-checked general
knowledge items.  All answers are computed by this script, so they are
correct by construction.  The output is deterministic (fixed seed).

Usage:
    python3 tools/samplebank/make_sample_bank.py [--out resources/bank]
"""

import argparse
import calendar
import datetime as dt
import json
import os
import random
from math import gcd
from decimal import Decimal, ROUND_HALF_UP, getcontext
from fractions import Fraction as F

getcontext().prec = 40

SEED = 20270619
LETTERS = "ABCDEF"
WEEK = ["星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"]
GENERAL_POINT = "060102000001"  # 审题与列式: cited by many questions


class Retry(Exception):
    """Raised by a generator when the drawn parameters are unusable."""


# ---------------------------------------------------------------- numbers

def terminating(x):
    d = F(x).denominator
    for p in (2, 5):
        while d % p == 0:
            d //= p
    return d == 1


def num(x):
    """Exact decimal text of a terminating fraction (no trailing zeros)."""
    x = F(x)
    if not terminating(x):
        raise Retry("non-terminating %s" % x)
    if x.denominator == 1:
        return str(x.numerator)
    d = (Decimal(x.numerator) / Decimal(x.denominator)).normalize()
    return format(d, "f")


def rnd(x, places):
    """Round half up to the given number of decimals, as text."""
    x = F(x)
    d = Decimal(x.numerator) / Decimal(x.denominator)
    q = Decimal(1).scaleb(-places)
    return format(d.quantize(q, rounding=ROUND_HALF_UP), "f")


def frac(x):
    x = F(x)
    if x.denominator == 1:
        return str(x.numerator)
    return "%d/%d" % (x.numerator, x.denominator)


def ymd(d):
    return "%d年%d月%d日" % (d.year, d.month, d.day)


def md(d):
    return "%d月%d日" % (d.month, d.day)


def hm(minutes):
    minutes %= 24 * 60
    return "%d:%02d" % (minutes // 60, minutes % 60)


def dur(minutes):
    h, m = divmod(minutes, 60)
    if h == 0:
        return "%d分钟" % m
    if m == 0:
        return "%d小时" % h
    return "%d小时%d分" % (h, m)


def is_prime(n):
    if n < 2:
        return False
    i = 2
    while i * i <= n:
        if n % i == 0:
            return False
        i += 1
    return True


# ---------------------------------------------------------------- facts

class Fact:
    """One computed item: a question, its answer and wrong answers.

    stmt is a sentence with "{v}" where a value goes; it is true exactly
    when the value is the answer.
    """

    def __init__(self, q, ans, wrong, work, stmt, pts=None):
        self.q = q
        self.ans = ans
        seen = {ans}
        self.wrong = []
        for w in wrong:
            if w not in seen:
                seen.add(w)
                self.wrong.append(w)
        if len(self.wrong) < 3:
            raise Retry("too few distractors")
        self.work = work
        self.stmt = stmt
        self.pts = pts or []

    def say(self, v):
        if callable(self.stmt):
            return self.stmt(v)
        return self.stmt.replace("{v}", v)


def vals(unit, ans, wrongs, fmt=num, positive=True):
    """Format the answer and candidate wrong values with a unit."""
    a = fmt(ans) + unit
    out = []
    for w in wrongs:
        if w is None:
            continue
        try:
            if positive and F(w) <= 0:
                continue
            s = fmt(w) + unit
        except Retry:
            continue
        if s != a:
            out.append(s)
    return a, out


# ---------------------------------------------------------------- topics

class Topic:
    """Question maker for one leaf chapter."""

    multi_stem = "下列计算结果中，正确的有（ ）。"

    def __init__(self, name, method, pts, gen=None):
        self.name = name
        self.method = method
        self.pts = pts
        self.gen = gen

    def fact(self, rng):
        for _ in range(200):
            try:
                f = self.gen(rng)
            except Retry:
                continue
            if not f.pts:
                f.pts = list(self.pts)
            return f
        raise RuntimeError("generator keeps failing: " + self.name)

    # 61 --------------------------------------------------------------
    def q61(self, rng):
        f = self.fact(rng)
        return single_from_fact(f, rng, f.q)

    # 62 --------------------------------------------------------------
    def q62(self, rng):
        f = self.fact(rng)
        return tf_from_fact(f, rng)

    # 65 / 66 -----------------------------------------------------------
    def qmulti(self, rng, kind):
        facts = []
        seen = set()
        k = rng.choice([4, 4, 5])
        while len(facts) < k:
            f = self.fact(rng)
            if f.q in seen:
                continue
            seen.add(f.q)
            facts.append(f)
        return multi_from_facts(facts, rng, kind, self.multi_stem)

    # 70 --------------------------------------------------------------
    def q70(self, rng):
        f = self.fact(rng)
        stem = "简述%s的方法，并完成计算：%s" % (self.name, f.q)
        jx = ("<b>方法：</b>%s<br><b>计算：</b>%s<br><b>答案：</b>%s。"
              % (self.method, f.work, f.ans))
        return dict(stem=stem, A2="1", jx=jx, pts=f.pts)


def single_from_fact(f, rng, stem):
    opts = [f.ans] + rng.sample(f.wrong, 3)
    rng.shuffle(opts)
    letter = LETTERS[opts.index(f.ans)]
    jx = "%s<br>故选 %s。" % (f.work, letter)
    return dict(stem=stem, options=opts, A2=letter, jx=jx, pts=f.pts)


def tf_from_fact(f, rng):
    true = rng.random() < 0.5
    v = f.ans if true else rng.choice(f.wrong)
    stem = f.say(v) + "。"
    if true:
        jx = "%s<br>结果与题述一致，该说法正确。" % f.work
    else:
        jx = "%s<br>正确结果是 %s，不是 %s，该说法错误。" % (f.work, f.ans, v)
    return dict(stem=stem, A2="A" if true else "B", jx=jx, pts=f.pts)


def pick_truths(rng, k, kind):
    """Which of k options are right: 65 needs two or more, 66 one or more.
    "All right" is kept rare."""
    lo = 2 if kind == 65 else 1
    n = rng.choice([x for x in range(lo, k) for _ in range(3)] + [k])
    idx = sorted(rng.sample(range(k), n))
    return [i in idx for i in range(k)]


def multi_from_facts(facts, rng, kind, stem):
    truths = pick_truths(rng, len(facts), kind)
    opts, lines, pts = [], [], []
    for i, (f, t) in enumerate(zip(facts, truths)):
        v = f.ans if t else rng.choice(f.wrong)
        opts.append(f.say(v))
        if t:
            lines.append("%s．%s，正确。" % (LETTERS[i], f.work))
        else:
            lines.append("%s．%s，结果应为 %s，错误。" % (LETTERS[i], f.work, f.ans))
        for p in f.pts[:1]:
            if p not in pts:
                pts.append(p)
    if len(set(opts)) != len(opts):
        raise Retry("duplicate options")
    ans = "".join(LETTERS[i] for i, t in enumerate(truths) if t)
    jx = "<br>".join(lines) + "<br>故选 %s。" % ans
    return dict(stem=stem, options=opts, A2=ans, jx=jx, pts=pts)


# ---- 10 百分数与比例 ----------------------------------------------------

def g_pct_of(rng):
    a = rng.choice(range(40, 1001, 20))
    p = rng.choice([5, 10, 12, 15, 20, 25, 30, 35, 40, 45, 60, 75, 80])
    ans = F(a * p, 100)
    v = rng.randrange(3)
    cands = [F(a * p, 10), F(a * (100 - p), 100), F(a * p, 1000), ans + 1,
             ans * 2, ans - 1]
    if v == 0:
        unit, q = "", "%d 的 %d%% 是多少？" % (a, p)
        stmt = "%d 的 %d%% 等于 {v}" % (a, p)
    elif v == 1:
        if ans.denominator != 1:
            raise Retry()
        unit = "人"
        q = "某示例学校有学生 %d 人，其中 %d%% 参加了科技小组，参加科技小组的有多少人？" % (a, p)
        stmt = "某示例学校有学生 %d 人，其中 %d%% 参加了科技小组，参加科技小组的有 {v}" % (a, p)
    else:
        unit = "元"
        q = "一件示例商品原价 %d 元，降价 %d%%，降价多少元？" % (a, p)
        stmt = "一件原价 %d 元的示例商品降价 %d%%，降价 {v}" % (a, p)
    ans_s, wrong = vals(unit, ans, cands)
    work = "%d × %d%% = %d × %s = %s" % (a, p, a, num(F(p, 100)), ans_s)
    return Fact(q, ans_s, wrong, work, stmt)


def g_pct_rate(rng):
    a = rng.choice(range(20, 801, 20))
    p = rng.choice([5, 10, 15, 20, 25, 30, 35, 40, 45, 55, 60, 65, 70, 75, 80, 85, 90])
    b = F(a * p, 100)
    if b.denominator != 1:
        raise Retry()
    b = int(b)
    cands = [p + 5, p - 5, 100 - p, p * 2 if p * 2 < 100 else None, p + 10]
    ans_s, wrong = vals("%", p, cands)
    if rng.random() < 0.5:
        q = "%d 是 %d 的百分之几？" % (b, a)
        stmt = "%d 是 %d 的 {v}" % (b, a)
    else:
        q = "某示例工厂计划生产零件 %d 个，已完成 %d 个，完成了计划的百分之几？" % (a, b)
        stmt = "计划生产零件 %d 个、已完成 %d 个时，完成了计划的 {v}" % (a, b)
    work = "%d ÷ %d × 100%% = %s" % (b, a, ans_s)
    return Fact(q, ans_s, wrong, work, stmt)


def g_pct_conv(rng):
    if rng.random() < 0.5:
        d = rng.choice([2, 4, 5, 8, 10, 20, 25, 40, 50])
        n = rng.randrange(1, d)
        if F(n, d).denominator != d:
            raise Retry()
        x = F(n, d)
        src, how = "%d/%d" % (n, d), "%d ÷ %d = %s" % (n, d, num(x))
    else:
        x = F(rng.choice(range(1, 400)), rng.choice([100, 1000]))
        if x >= 1 or x.denominator == 1:
            raise Retry()
        src, how = num(x), "小数点向右移动两位"
    pc = x * 100
    cands = [pc * 10, pc / 10, pc + 10, pc + 1, 100 - pc, pc / 100]
    ans_s, wrong = vals("%", pc, cands)
    q = "把 %s 化成百分数是多少？" % src
    stmt = "%s 化成百分数是 {v}" % src
    work = "%s，%s = %s" % (how, src, ans_s) if how.startswith("小") else \
        "%s，再乘 100%% 得 %s" % (how, ans_s)
    return Fact(q, ans_s, wrong, work, stmt)


def g_ratio(rng):
    a, b = rng.choice([(1, 2), (2, 3), (3, 4), (3, 5), (2, 5), (4, 5), (5, 7),
                       (1, 3), (3, 7), (5, 8)])
    s = a + b
    T = s * rng.choice(range(20, 301, 10))
    ans = F(T * a, s)
    cands = [F(T * b, s), F(T, s), F(T, a) if T % a == 0 else None, ans + 10,
             ans - 10, F(T, 2)]
    ans_s, wrong = vals("元", ans, cands)
    q = "把 %d 元按 %d:%d 分给甲、乙两人，甲分得多少元？" % (T, a, b)
    stmt = "把 %d 元按 %d:%d 分给甲、乙两人，甲分得 {v}" % (T, a, b)
    work = "总份数 %d + %d = %d，甲分得 %d × %d/%d = %s" % (a, b, s, T, a, s, ans_s)
    return Fact(q, ans_s, wrong, work, stmt)


def g_scale(rng):
    n = rng.choice([10000, 20000, 25000, 50000, 100000, 200000, 500000, 1000000])
    d = F(rng.choice(range(2, 41)), 2)
    km = d * n / 100000
    cands = [km * 10, km / 10, km * 100, km + 1, km * 2]
    ans_s, wrong = vals("千米", km, cands)
    q = "在比例尺为 1:%d 的示例地图上，量得两地距离为 %s 厘米，两地实际距离是多少千米？" % (n, num(d))
    stmt = "比例尺 1:%d 的地图上 %s 厘米表示实际距离 {v}" % (n, num(d))
    work = ("实际距离 = 图上距离 × %d = %s 厘米 × %d = %s 厘米；1 千米 = 100000 厘米，"
            "所以是 %s" % (n, num(d), n, num(d * n), ans_s))
    return Fact(q, ans_s, wrong, work, stmt)


DISCOUNT = {F(6): "六", F(7): "七", F(15, 2): "七五", F(8): "八", F(17, 2): "八五",
            F(9): "九", F(19, 2): "九五"}


def g_discount(rng):
    k = rng.choice(list(DISCOUNT))
    P = rng.choice(range(20, 1001, 10))
    ans = P * k / 10
    if rng.random() < 0.6:
        cands = [P * (10 - k) / 10, P * k / 100, P - k * 10, ans + 10, ans - 5]
        ans_s, wrong = vals("元", ans, cands)
        q = "一件标价 %d 元的示例商品打%s折出售，售价是多少元？" % (P, DISCOUNT[k])
        stmt = "标价 %d 元的商品打%s折后售价为 {v}" % (P, DISCOUNT[k])
        work = "打%s折即按标价的 %s%% 出售：%d × %s%% = %s" % (
            DISCOUNT[k], num(k * 10), P, num(k * 10), ans_s)
    else:
        save = P - ans
        cands = [ans, P * k / 100, save + 10, save * 2, save - 5]
        ans_s, wrong = vals("元", save, cands)
        q = "一件标价 %d 元的示例商品打%s折出售，比标价便宜多少元？" % (P, DISCOUNT[k])
        stmt = "标价 %d 元的商品打%s折后比标价便宜 {v}" % (P, DISCOUNT[k])
        work = "售价 %d × %s%% = %s 元，便宜 %d − %s = %s" % (
            P, num(k * 10), num(ans), P, num(ans), ans_s)
    return Fact(q, ans_s, wrong, work, stmt)


def g_profit(rng):
    C = rng.choice(range(40, 801, 20))
    r = rng.choice([5, 10, 15, 20, 25, 30, 40, 50, 60])
    S = F(C * (100 + r), 100)
    if S.denominator != 1:
        raise Retry()
    if rng.random() < 0.5:
        prof = S - C
        alt = prof / S * 100
        cands = [alt if terminating(alt) else None, r + 5, r * 2, r - 5, 100 - r]
        ans_s, wrong = vals("%", r, cands)
        q = ("某示例商品进价 %d 元，售价 %s 元，利润率是多少？（利润率 = 利润 ÷ 进价 × 100%%）"
             % (C, num(S)))
        stmt = "进价 %d 元、售价 %s 元的商品，利润率为 {v}" % (C, num(S))
        work = "利润 %s − %d = %s 元，利润率 %s ÷ %d × 100%% = %s" % (
            num(S), C, num(prof), num(prof), C, ans_s)
    else:
        cands = [C * F(100 - r, 100), C * F(r, 100), S + 10, S - 10, C + r]
        ans_s, wrong = vals("元", S, cands)
        q = "某示例商品进价 %d 元，按 %d%% 的利润率定价，售价是多少元？" % (C, r)
        stmt = "进价 %d 元的商品按 %d%% 的利润率定价，售价为 {v}" % (C, r)
        work = "售价 = 进价 × (1 + 利润率) = %d × %s = %s" % (C, num(F(100 + r, 100)), ans_s)
    return Fact(q, ans_s, wrong, work, stmt)


# ---- 11 利息与增长 ------------------------------------------------------

RATES = [F(3, 2), F(2), F(9, 4), F(5, 2), F(11, 4), F(3), F(7, 2), F(4)]


def g_simple_interest(rng):
    P = rng.choice(range(1000, 50001, 1000))
    r = rng.choice(RATES)
    t = rng.choice([1, 2, 3, 4, 5])
    I = P * r / 100 * t
    cands = [P * r / 100, P * r * t / 1000, P + I, I * 2, I + 100]
    if t == 1:
        cands.append(I / 2)
    ans_s, wrong = vals("元", I, cands)
    q = "本金 %d 元，年利率 %s%%，按单利计算，%d 年的利息是多少元？" % (P, num(r), t)
    stmt = "本金 %d 元、年利率 %s%%、按单利存 %d 年，利息为 {v}" % (P, num(r), t)
    work = "利息 = 本金 × 年利率 × 年数 = %d × %s%% × %d = %s" % (P, num(r), t, ans_s)
    return Fact(q, ans_s, wrong, work, stmt,
                ["020101000001", GENERAL_POINT])


def g_simple_total(rng):
    P = rng.choice(range(1200, 60001, 1200))
    r = rng.choice(RATES)
    if rng.random() < 0.5:
        t = rng.choice([1, 2, 3, 5])
        I = P * r / 100 * t
        span = "%d 年" % t
        work = "利息 %d × %s%% × %d = %s 元，" % (P, num(r), t, num(I))
        pts = ["020101000002", "020101000001"]
    else:
        m = rng.choice([3, 6, 9])
        I = P * r / 100 * m / 12
        span = "%d 个月" % m
        work = "利息 %d × %s%% × %d/12 = %s 元，" % (P, num(r), m, num(I))
        pts = ["020101000002", "020101000003"]
    S = P + I
    cands = [I, P + 2 * I, S + 100, S - 100, P + I * 10]
    ans_s, wrong = vals("元", S, cands)
    q = "把 %d 元存入示例银行，年利率 %s%%，按单利计算，存期 %s，到期本息和是多少元？" % (P, num(r), span)
    stmt = "%d 元按年利率 %s%% 单利存 %s，到期本息和为 {v}" % (P, num(r), span)
    work += "本息和 %d + %s = %s" % (P, num(I), ans_s)
    return Fact(q, ans_s, wrong, work, stmt, pts)


def g_compound(rng):
    P = rng.choice(range(1000, 20001, 1000))
    r = rng.choice([2, 3, 4, 5, 6, 8, 10])
    n = rng.choice([2, 2, 3])
    g = F(100 + r, 100)
    S = P * g ** n
    fmt = lambda x: rnd(x, 2)
    cands = [P * (1 + F(r * n, 100)), P * g ** (n - 1), P * g ** (n + 1),
             S + 10, S - 10]
    ans_s, wrong = vals("元", S, cands, fmt=fmt)
    q = ("本金 %d 元，年利率 %d%%，按年复利计算，%d 年后的本息和是多少元？（结果保留两位小数）"
         % (P, r, n))
    stmt = "本金 %d 元按年利率 %d%% 复利计算 %d 年，本息和约为 {v}（保留两位小数）" % (P, r, n)
    work = "本息和 = %d × (1 + %d%%)<sup>%d</sup> = %d × %s<sup>%d</sup> = %s" % (
        P, r, n, P, num(g), n, ans_s)
    return Fact(q, ans_s, wrong, work, stmt, ["020102000001", GENERAL_POINT])


def g_compound_vs(rng):
    P = rng.choice(range(1000, 50001, 1000))
    r = rng.choice([2, 3, 4, 5, 6, 8, 10])
    diff = P * F(r, 100) ** 2
    cands = [P * F(r, 100), P * F(r, 100) * 2, diff * 2, diff + 1, diff * 10]
    ans_s, wrong = vals("元", diff, cands)
    simple = P * F(2 * r, 100)
    comp = P * F(100 + r, 100) ** 2 - P
    q = ("本金 %d 元，年利率 %d%%，存 2 年，按年复利计算比按单利计算多得利息多少元？"
         % (P, r))
    stmt = "本金 %d 元、年利率 %d%%、存 2 年，复利比单利多得利息 {v}" % (P, r)
    work = ("单利利息 %d × %d%% × 2 = %s 元；复利利息 %d × (1 + %d%%)<sup>2</sup> − %d = %s 元；"
            "相差 %s" % (P, r, num(simple), P, r, P, num(comp), ans_s))
    assert comp - simple == diff
    return Fact(q, ans_s, wrong, work, stmt, ["020102000002", "020102000001"])


def g_growth_rate(rng):
    O = rng.choice(range(20, 1001, 20))
    g = rng.choice([5, 10, 15, 20, 25, 30, 40, 50, -5, -10, -20, -25])
    N = F(O * (100 + g), 100)
    if N.denominator != 1:
        raise Retry()
    a = abs(g)
    alt = F(abs(N - O) * 100, N)
    cands = [alt if terminating(alt) else None, a + 5, a * 2, a - 5 if a > 5 else None,
             100 - a]
    ans_s, wrong = vals("%", a, cands)
    word = "增长" if g > 0 else "下降"
    q = "某示例城市去年接待游客 %d 万人次，今年接待 %s 万人次，今年比去年%s了百分之几？" % (
        O, num(N), word)
    stmt = "游客人次由 %d 万变为 %s 万，%s了 {v}" % (O, num(N), word)
    diff = "(%s − %d)" % (num(N), O) if g > 0 else "(%d − %s)" % (O, num(N))
    work = "%s率 = %s ÷ %d × 100%% = %s" % (word, diff, O, ans_s)
    pts = ["020103000001", "020103000003"]
    return Fact(q, ans_s, wrong, work, stmt, pts)


def g_growth_chain(rng):
    B = rng.choice(range(100, 2001, 100))
    g1 = rng.choice([5, 10, 15, 20, 25, 30, -10, -20])
    g2 = rng.choice([5, 10, 15, 20, 25, 30, -10, -20])
    V = B * F(100 + g1, 100) * F(100 + g2, 100)
    cands = [B * F(100 + g1 + g2, 100), B * F(100 + g1, 100), B * F(100 + g2, 100),
             V + 10, V - 10, B * F(100 + g1 * g2, 100)]
    ans_s, wrong = vals("万元", V, cands)

    def pct(g):
        return ("增长 %d%%" % g) if g > 0 else ("下降 %d%%" % -g)
    q = ("某示例企业 2024 年产值为 %d 万元，2025 年比 2024 年%s，2026 年比 2025 年%s，"
         "2026 年产值是多少万元？" % (B, pct(g1), pct(g2)))
    stmt = "产值 %d 万元先%s、再%s后为 {v}" % (B, pct(g1), pct(g2))
    work = "%d × %s × %s = %s" % (B, num(F(100 + g1, 100)), num(F(100 + g2, 100)), ans_s)
    return Fact(q, ans_s, wrong, work, stmt, ["020103000002", "020103000001"])


# ---- 12 面积与单位 ------------------------------------------------------

def g_rect(rng):
    v = rng.randrange(3)
    if v == 0:
        l, w = sorted(rng.sample(range(3, 41), 2), reverse=True)
        A = l * w
        cands = [2 * (l + w), l + w, A * 2, A + l, A - w]
        ans_s, wrong = vals("平方米", A, cands)
        q = "一块长 %d 米、宽 %d 米的长方形示例菜地，面积是多少平方米？" % (l, w)
        stmt = "长 %d 米、宽 %d 米的长方形面积是 {v}" % (l, w)
        work = "长方形面积 = 长 × 宽 = %d × %d = %s" % (l, w, ans_s)
    elif v == 1:
        l, w = sorted(rng.sample(range(3, 41), 2), reverse=True)
        Pm = 2 * (l + w)
        cands = [l * w, l + w, Pm + 2, 4 * l, Pm * 2]
        ans_s, wrong = vals("米", Pm, cands)
        q = "一个长 %d 米、宽 %d 米的长方形示例花坛，周长是多少米？" % (l, w)
        stmt = "长 %d 米、宽 %d 米的长方形周长是 {v}" % (l, w)
        work = "长方形周长 = (长 + 宽) × 2 = (%d + %d) × 2 = %s" % (l, w, ans_s)
    else:
        a = rng.choice(range(2, 31))
        Pm = 4 * a
        A = a * a
        cands = [Pm, Pm * Pm, A * 2, A + a, (a + 1) ** 2]
        ans_s, wrong = vals("平方厘米", A, cands)
        q = "一个正方形的周长是 %d 厘米，它的面积是多少平方厘米？" % Pm
        stmt = "周长 %d 厘米的正方形面积是 {v}" % Pm
        work = "边长 %d ÷ 4 = %d 厘米，面积 %d × %d = %s" % (Pm, a, a, a, ans_s)
    return Fact(q, ans_s, wrong, work, stmt,
                ["030101000001", "030101000005"])


def g_tri_trap(rng):
    if rng.random() < 0.5:
        b = rng.choice(range(3, 41))
        h = rng.choice(range(2, 31))
        A = F(b * h, 2)
        cands = [b * h, b + h, A + 1, A * 4, F(b + h, 2)]
        ans_s, wrong = vals("平方厘米", A, cands)
        q = "一个三角形的底是 %d 厘米，高是 %d 厘米，面积是多少平方厘米？" % (b, h)
        stmt = "底 %d 厘米、高 %d 厘米的三角形面积是 {v}" % (b, h)
        work = "三角形面积 = 底 × 高 ÷ 2 = %d × %d ÷ 2 = %s" % (b, h, ans_s)
        pts = ["030101000002"]
    else:
        a, b = sorted(rng.sample(range(2, 31), 2))
        h = rng.choice(range(2, 21))
        A = F((a + b) * h, 2)
        cands = [(a + b) * h, a * b * h, F(a * b, 2), A + h, F(b * h, 2)]
        ans_s, wrong = vals("平方米", A, cands)
        q = "一个梯形的上底 %d 米、下底 %d 米、高 %d 米，面积是多少平方米？" % (a, b, h)
        stmt = "上底 %d 米、下底 %d 米、高 %d 米的梯形面积是 {v}" % (a, b, h)
        work = "梯形面积 = (上底 + 下底) × 高 ÷ 2 = (%d + %d) × %d ÷ 2 = %s" % (a, b, h, ans_s)
        pts = ["030101000003"]
    return Fact(q, ans_s, wrong, work, stmt, pts + [GENERAL_POINT])


PI = F(314, 100)


def g_circle(rng):
    r = rng.choice(range(1, 21))
    v = rng.randrange(3)
    if v == 0:
        A = PI * r * r
        cands = [2 * PI * r, PI * r, PI * 4 * r * r, A + PI, PI * (r + 1) ** 2]
        ans_s, wrong = vals("平方厘米", A, cands)
        q = "半径为 %d 厘米的圆，面积是多少平方厘米？（π 取 3.14）" % r
        stmt = "半径 %d 厘米的圆面积是 {v}（π 取 3.14）" % r
        work = "圆面积 = πr<sup>2</sup> = 3.14 × %d × %d = %s" % (r, r, ans_s)
    elif v == 1:
        C = 2 * PI * r
        cands = [PI * r, PI * r * r, 4 * PI * r, C + PI, C * 2]
        ans_s, wrong = vals("厘米", C, cands)
        q = "半径为 %d 厘米的圆，周长是多少厘米？（π 取 3.14）" % r
        stmt = "半径 %d 厘米的圆周长是 {v}（π 取 3.14）" % r
        work = "圆周长 = 2πr = 2 × 3.14 × %d = %s" % (r, ans_s)
    else:
        d = 2 * r
        A = PI * r * r
        cands = [PI * d * d, PI * d, 2 * PI * d, A * 2, PI * r]
        ans_s, wrong = vals("平方米", A, cands)
        q = "一个圆形示例水池的直径是 %d 米，它的占地面积是多少平方米？（π 取 3.14）" % d
        stmt = "直径 %d 米的圆形水池占地面积是 {v}（π 取 3.14）" % d
        work = "半径 %d ÷ 2 = %d 米，面积 3.14 × %d × %d = %s" % (d, r, r, r, ans_s)
    return Fact(q, ans_s, wrong, work, stmt, ["030101000004"])


LEN_AREA = [
    ("平方米", "平方厘米", 10000, "030102000002"),
    ("公顷", "平方米", 10000, "030102000002"),
    ("平方千米", "公顷", 100, "030102000002"),
    ("平方分米", "平方厘米", 100, "030102000002"),
    ("千米", "米", 1000, "030102000001"),
    ("米", "厘米", 100, "030102000001"),
    ("分米", "毫米", 100, "030102000001"),
]

MASS_VOL = [
    ("千克", "克", 1000, "030102000003"),
    ("吨", "千克", 1000, "030102000003"),
    ("升", "毫升", 1000, "030102000004"),
    ("立方米", "升", 1000, "030102000004"),
    ("立方米", "立方分米", 1000, "030102000004"),
    ("立方分米", "立方厘米", 1000, "030102000004"),
]


def conv_fact(rng, table):
    big, small, k, pt = rng.choice(table)
    x = F(rng.choice(range(1, 200)), rng.choice([1, 10, 100]))
    if rng.random() < 0.5:
        ans = x * k
        q = "%s %s 等于多少%s？" % (num(x), big, small)
        stmt = "%s %s = {v}" % (num(x), big)
        unit = small
        work = "1 %s = %d %s，%s × %d = %s" % (big, k, small, num(x), k, num(ans))
        others = [10, 100, 1000, 10000]
        cands = [x * o for o in others] + [x / k, ans * 10]
    else:
        x = F(rng.choice(range(1, 200)) * k, rng.choice([1, 10, 100]))
        ans = x / k
        q = "%s %s 等于多少%s？" % (num(x), small, big)
        stmt = "%s %s = {v}" % (num(x), small)
        unit = big
        work = "1 %s = %d %s，%s ÷ %d = %s" % (big, k, small, num(x), k, num(ans))
        others = [10, 100, 1000, 10000]
        cands = [x / o for o in others] + [x * k, ans * 10]
    ans_s, wrong = vals(unit, ans, cands)
    return Fact(q, ans_s, wrong, work + unit, stmt, [pt, "030102000001" if pt != "030102000001" else "030102000002"])


# ---- 04 实务基础 --------------------------------------------------------

def g_balance(rng):
    X = rng.choice(range(500, 5001, 100))
    a = rng.choice(range(200, 3001, 50))
    b = rng.choice(range(200, 3001, 50))
    c = rng.choice(range(300, 4001, 50))
    E = X + a + b - c
    if E <= 0:
        raise Retry()
    cands = [X + a + b + c, a + b - c, X - a - b + c, E + 100, E - 100, X + a - c]
    ans_s, wrong = vals("元", E, cands)
    q = ("示例小店月初有现金 %d 元，本月先后收入 %d 元和 %d 元，支出 %d 元，月末现金余额是多少元？"
         % (X, a, b, c))
    stmt = "月初 %d 元、收入 %d 元和 %d 元、支出 %d 元，月末余额为 {v}" % (X, a, b, c)
    work = "期末余额 = 期初 + 收入 − 支出 = %d + %d + %d − %d = %s" % (X, a, b, c, ans_s)
    return Fact(q, ans_s, wrong, work, stmt, ["060101000004", GENERAL_POINT])


def g_unit_price(rng):
    n1, n2 = rng.sample(range(2, 21), 2)
    p1 = F(rng.choice(range(3, 41)), 2)
    p2 = F(rng.choice(range(4, 61)), 2)
    if p1 == p2:
        raise Retry()
    T = n1 * p1 + n2 * p2
    cands = [n1 * p2 + n2 * p1, (n1 + n2) * (p1 + p2), n1 * p1, T + 1, T - F(1, 2)]
    ans_s, wrong = vals("元", T, cands)
    q = "购买 %d 支示例笔（每支 %s 元）和 %d 本示例笔记本（每本 %s 元），共需多少元？" % (
        n1, num(p1), n2, num(p2))
    stmt = "%d 支每支 %s 元的笔和 %d 本每本 %s 元的笔记本共 {v}" % (n1, num(p1), n2, num(p2))
    work = "总价 = 单价 × 数量：%d × %s + %d × %s = %s + %s = %s" % (
        n1, num(p1), n2, num(p2), num(n1 * p1), num(n2 * p2), ans_s)
    return Fact(q, ans_s, wrong, work, stmt, ["060103000003"])


def g_mean(rng):
    n = rng.choice([5, 6])
    xs = [rng.randrange(60, 101) for _ in range(n)]
    s = sum(xs)
    m = F(s, n)
    if not terminating(m):
        raise Retry()
    srt = sorted(xs)
    med = F(srt[n // 2]) if n % 2 else F(srt[n // 2 - 1] + srt[n // 2], 2)
    cands = [med, m + 1, m - 1, F(s, n - 1) if terminating(F(s, n - 1)) else None,
             F(max(xs) + min(xs), 2), m + 2]
    ans_s, wrong = vals("分", m, cands)
    data = "、".join(map(str, xs))
    q = "示例小组 %d 名同学的测验成绩为 %s，平均成绩是多少分？" % (n, data)
    stmt = "成绩 %s 的平均分是 {v}" % data
    work = "平均数 = 总和 ÷ 个数 = (%s) ÷ %d = %d ÷ %d = %s" % (
        " + ".join(map(str, xs)), n, s, n, ans_s)
    return Fact(q, ans_s, wrong, work, stmt, ["060101000001"])


def g_median_mode(rng):
    base = rng.sample(range(10, 60), 6)
    dup = rng.choice(base)
    xs = base + [dup]
    rng.shuffle(xs)
    srt = sorted(xs)
    med = srt[3]
    data = "、".join(map(str, xs))
    if rng.random() < 0.5:
        cands = [xs[3], F(sum(xs), 7) if terminating(F(sum(xs), 7)) else None, dup,
                 srt[2], srt[4], max(xs)]
        ans_s, wrong = vals("", med, cands)
        q = "一组数据 %s 的中位数是多少？" % data
        stmt = "数据 %s 的中位数是 {v}" % data
        work = "从小到大排列：%s，共 7 个数，第 4 个数是中位数，为 %s" % (
            "、".join(map(str, srt)), ans_s)
        pts = ["060101000003"]
    else:
        cands = [med, max(xs), min(xs), xs[0], xs[-1], srt[5]]
        ans_s, wrong = vals("", dup, cands)
        q = "一组数据 %s 的众数是多少？" % data
        stmt = "数据 %s 的众数是 {v}" % data
        work = "%d 出现了 2 次，其余各数只出现 1 次，众数是 %s" % (dup, ans_s)
        pts = ["060101000003"]
    return Fact(q, ans_s, wrong, work, stmt, pts)


WORK_PAIRS = [(a, b) for a in range(3, 61) for b in range(a + 1, 61)
              if (a * b) % (a + b) == 0]


def g_work(rng):
    a, b = rng.choice(WORK_PAIRS)
    if rng.random() < 0.5:
        a, b = b, a
    t = F(a * b, a + b)
    cands = [F(a + b, 2), a + b, abs(a - b), t + 1, t - 1, t * 2]
    ans_s, wrong = vals("天", t, cands)
    q = "一项示例工程，甲队单独做需要 %d 天完成，乙队单独做需要 %d 天完成，两队合作需要几天完成？" % (a, b)
    stmt = "甲队单独 %d 天、乙队单独 %d 天完成的工程，两队合作 {v} 完成" % (a, b)
    work = ("把工作总量看作 1，甲每天完成 1/%d，乙每天完成 1/%d，合作每天完成 %s，"
            "所需时间 1 ÷ %s = %s" % (a, b, frac(F(1, a) + F(1, b)), frac(F(1, a) + F(1, b)), ans_s))
    return Fact(q, ans_s, wrong, work, stmt, ["060103000001"])


def g_travel(rng):
    v = rng.randrange(3)
    if v == 0:
        sp = rng.choice(range(30, 121, 5))
        t = F(rng.choice(range(2, 13)), 2)
        d = sp * t
        cands = [sp + t, d * 2, sp * (t + 1), d + 10, F(sp, t) if terminating(F(sp, t)) else None]
        ans_s, wrong = vals("千米", d, cands)
        q = "一辆示例货车每小时行驶 %d 千米，%s 小时行驶多少千米？" % (sp, num(t))
        stmt = "速度 %d 千米/时行驶 %s 小时，路程为 {v}" % (sp, num(t))
        work = "路程 = 速度 × 时间 = %d × %s = %s" % (sp, num(t), ans_s)
    elif v == 1:
        v1, v2 = rng.sample(range(40, 101, 5), 2)
        t = F(rng.choice([2, 3, 4, 5, 6, 8]), 2)
        D = (v1 + v2) * t
        cands = [t + 1, t + F(1, 2), t - F(1, 2), D / max(v1, v2), t * 2,
                 D / abs(v1 - v2)]
        ans_s, wrong = vals("小时", t, cands)
        q = ("甲、乙两地相距 %s 千米，两辆示例汽车同时从两地出发相向而行，速度分别为每小时 %d 千米和 %d 千米，"
             "几小时后相遇？" % (num(D), v1, v2))
        stmt = "相距 %s 千米、速度 %d 和 %d 千米/时相向而行，{v} 后相遇" % (num(D), v1, v2)
        work = "相遇时间 = 路程 ÷ 速度和 = %s ÷ (%d + %d) = %s" % (num(D), v1, v2, ans_s)
    else:
        sp = rng.choice(range(4, 21))
        t = rng.choice(range(2, 9))
        d = sp * t
        cands = [t + 1, t - 1, t + 2, t * 2, F(d, sp * 2)]
        ans_s, wrong = vals("小时", t, cands)
        q = "小王骑示例自行车每小时行 %d 千米，行完 %d 千米需要几小时？" % (sp, d)
        stmt = "每小时 %d 千米行完 %d 千米需要 {v}" % (sp, d)
        work = "时间 = 路程 ÷ 速度 = %d ÷ %d = %s" % (d, sp, ans_s)
    return Fact(q, ans_s, wrong, work, stmt, ["060103000002", GENERAL_POINT])


# ---- 05 计算与分析 ------------------------------------------------------

def g_int_arith(rng):
    v = rng.randrange(5)
    if v == 0:
        a, b, c = rng.randrange(10, 100), rng.randrange(2, 30), rng.randrange(2, 13)
        e, ans, ltr = "%d + %d × %d" % (a, b, c), a + b * c, (a + b) * c
        steps = "先算乘法：%d + %d = %d" % (a, b * c, ans)
    elif v == 1:
        c = rng.randrange(2, 13)
        b = c * rng.randrange(2, 30)
        a = rng.randrange(b // c + 1, 200)
        e, ans = "%d − %d ÷ %d" % (a, b, c), a - b // c
        ltr = F(a - b, c) if a > b else None
        steps = "先算除法：%d − %d = %d" % (a, b // c, ans)
    elif v == 2:
        a, b, c = rng.randrange(5, 60), rng.randrange(5, 60), rng.randrange(2, 10)
        d = rng.randrange(1, (a + b) * c)
        e, ans, ltr = "(%d + %d) × %d − %d" % (a, b, c, d), (a + b) * c - d, a + b * c - d
        steps = "先算括号：%d × %d − %d = %d − %d = %d" % (a + b, c, d, (a + b) * c, d, ans)
    elif v == 3:
        a, b, c, d = [rng.randrange(2, 30) for _ in range(4)]
        if a * b <= c * d:
            raise Retry()
        e, ans, ltr = "%d × %d − %d × %d" % (a, b, c, d), a * b - c * d, (a * b - c) * d
        steps = "先算两个乘法：%d − %d = %d" % (a * b, c * d, ans)
    else:
        b, c = rng.randrange(2, 10), rng.randrange(2, 10)
        a = b * c * rng.randrange(2, 20)
        e, ans, ltr = "%d ÷ %d × %d" % (a, b, c), a // b * c, F(a, b * c)
        steps = "同级运算从左往右：%d × %d = %d" % (a // b, c, ans)
    cands = [ltr, ans + 10, ans - 10, ans + 1, ans - 1]
    ans_s, wrong = vals("", ans, cands)
    q = "计算：%s = ？" % e
    stmt = "%s = {v}" % e
    work = "%s，%s" % (e, steps)
    return Fact(q, ans_s, wrong, work, stmt, ["060102000002"])


def g_frac(rng):
    b, d = rng.sample([2, 3, 4, 5, 6, 7, 8, 9, 10, 12], 2)
    a, c = rng.randrange(1, b), rng.randrange(1, d)
    x, y = F(a, b), F(c, d)
    op = rng.choice("+−×÷")
    if op == "+":
        ans = x + y
        wrongs = [F(a + c, b + d), x * y, ans + 1, F(a * c, b + d)]
    elif op == "−":
        if x <= y:
            x, y, a, b, c, d = y, x, c, d, a, b
        ans = x - y
        wrongs = [F(abs(a - c), abs(b - d)) if b != d else None, x + y, ans + F(1, b * d), x * y]
    elif op == "×":
        ans = x * y
        wrongs = [F(a * c, b + d), x + y, x / y, F(a + c, b * d)]
    else:
        ans = x / y
        wrongs = [x * y, y / x, F(a * d + 1, b * c), x + y]
    cands = [w for w in wrongs if w is not None]
    ans_s, wrong = vals("", ans, cands, fmt=frac)
    if len(wrong) < 3:
        wrong += [frac(ans + F(1, 2)), frac(ans * 2)]
    e = "%s %s %s" % (frac(x), op, frac(y))
    q = "计算：%s = ？（结果用最简分数表示）" % e
    stmt = "%s = {v}" % e
    if op in "+−":
        L = x.denominator * y.denominator // gcd(x.denominator, y.denominator)
        xn, yn = x.numerator * L // x.denominator, y.numerator * L // y.denominator
        r = xn + yn if op == "+" else xn - yn
        mid = "%d/%d %s %d/%d = %d/%d" % (xn, L, op, yn, L, r, L)
        how = "先通分（公分母 %d）" % L
    elif op == "×":
        mid = "(%d × %d)/(%d × %d) = %d/%d" % (x.numerator, y.numerator, x.denominator,
                                             y.denominator, x.numerator * y.numerator,
                                             x.denominator * y.denominator)
        how = "分子乘分子、分母乘分母"
    else:
        mid = "%s × %d/%d = %d/%d" % (frac(x), y.denominator, y.numerator,
                                     x.numerator * y.denominator, x.denominator * y.numerator)
        how = "除以一个数等于乘它的倒数"
    work = "%s：%s = %s，约分得 %s" % (how, e, mid, ans_s)
    return Fact(q, ans_s, wrong, work, stmt, ["060102000003"])


def g_linear(rng):
    x = rng.randrange(1, 31)
    a = rng.randrange(2, 10)
    b = rng.randrange(1, 51)
    if rng.random() < 0.5:
        c = a * x + b
        eq = "%dx + %d = %d" % (a, b, c)
        word = "某数的 %d 倍加上 %d 等于 %d，这个数是多少？" % (a, b, c)
        work = "%dx = %d − %d = %d，x = %d ÷ %d = %d" % (a, c, b, c - b, c - b, a, x)
        alt = F(c + b, a)
    else:
        c = a * x - b
        if c <= 0:
            raise Retry()
        eq = "%dx − %d = %d" % (a, b, c)
        word = "某数的 %d 倍减去 %d 等于 %d，这个数是多少？" % (a, b, c)
        work = "%dx = %d + %d = %d，x = %d ÷ %d = %d" % (a, c, b, c + b, c + b, a, x)
        alt = F(c - b, a) if c > b else None
    cands = [alt if alt is not None and alt.denominator == 1 else None,
             c - b if c > b else c + b, x + 1, x - 1, x + 2, x * 2]
    ans_s, wrong = vals("", x, cands)
    if rng.random() < 0.5:
        q = "解方程 %s，x = ？" % eq
        stmt = "方程 %s 的解是 x = {v}" % eq
    else:
        q = word
        stmt = word.replace("这个数是多少？", "这个数是 {v}")
        work = "设这个数为 x，列方程 %s，%s" % (eq, work)
    return Fact(q, ans_s, wrong, work, stmt, ["060102000004"])


def g_chicken(rng):
    H = rng.randrange(10, 61)
    r = rng.randrange(1, H)
    L = 2 * H + 2 * r
    ask_r = rng.random() < 0.5
    ans = r if ask_r else H - r
    other = H - r if ask_r else r
    cands = [other, L - 2 * H, ans + 1, ans - 1, ans + 2, F(L, 4) if L % 4 == 0 else None]
    ans_s, wrong = vals("只", ans, cands)
    what = "兔" if ask_r else "鸡"
    q = "示例农场的笼子里有鸡和兔共 %d 只，共有脚 %d 只，%s有多少只？" % (H, L, what)
    stmt = "鸡兔共 %d 只、脚共 %d 只时，%s有 {v}" % (H, L, what)
    work = ("假设全是鸡，应有脚 %d × 2 = %d 只，比实际少 %d − %d = %d 只；每只兔比鸡多 2 只脚，"
            "兔有 %d ÷ 2 = %d 只，鸡有 %d − %d = %d 只。所以%s有 %s" % (
                H, 2 * H, L, 2 * H, L - 2 * H, L - 2 * H, r, H, r, H - r, what, ans_s))
    return Fact(q, ans_s, wrong, work, stmt, ["060102000005", "060102000004"])


def g_weighted(rng):
    n1, n2 = rng.sample(range(10, 41), 2)
    m1, m2 = rng.sample(range(60, 96), 2)
    m = F(n1 * m1 + n2 * m2, n1 + n2)
    if not terminating(m) or (m * 100).denominator != 1:
        raise Retry()
    cands = [F(m1 + m2, 2), m + 1, m - 1, F(n1 * m2 + n2 * m1, n1 + n2), m + 2]
    cands = [c if terminating(c) else None for c in cands]
    ans_s, wrong = vals("分", m, cands)
    q = ("示例班级分两组测验：第一组 %d 人，平均 %d 分；第二组 %d 人，平均 %d 分。全班平均多少分？"
         % (n1, m1, n2, m2))
    stmt = "第一组 %d 人平均 %d 分、第二组 %d 人平均 %d 分，全班平均 {v}" % (n1, m1, n2, m2)
    work = "全班总分 %d × %d + %d × %d = %d，总人数 %d，平均 %d ÷ %d = %s" % (
        n1, m1, n2, m2, n1 * m1 + n2 * m2, n1 + n2, n1 * m1 + n2 * m2, n1 + n2, ans_s)
    return Fact(q, ans_s, wrong, work, stmt, ["060101000002", GENERAL_POINT])


def rep_number(rng, x):
    """Show x as fraction, decimal or percent (all exact)."""
    k = rng.randrange(3)
    if k == 0 and x.denominator != 1:
        return frac(x), "%s = %s" % (frac(x), num(x))
    if k == 1:
        return num(x * 100) + "%", "%s%% = %s" % (num(x * 100), num(x))
    return num(x), None


def compare_values(rng, n):
    pool = set()
    while len(pool) < n:
        d = rng.choice([2, 4, 5, 8, 10, 20, 25])
        pool.add(F(rng.randrange(1, 2 * d), d))
    xs = list(pool)
    rng.shuffle(xs)
    reps = [rep_number(rng, x) for x in xs]
    if len({r[0] for r in reps}) != n:
        raise Retry()
    return xs, reps


def g_compare(rng):
    xs, reps = compare_values(rng, 4)
    big = rng.random() < 0.5
    target = max(xs) if big else min(xs)
    i = xs.index(target)
    texts = [r[0] for r in reps]
    word = "最大" if big else "最小"
    listing = "、".join(texts)
    q = "在 %s 这四个数中，%s的数是哪一个？" % (listing, word)
    stmt = "在 %s 中，%s的数是 {v}" % (listing, word)
    conv = "；".join(r[1] for r in reps if r[1]) or "均为小数"
    order = " < ".join(texts[j] for j in sorted(range(4), key=lambda j: xs[j]))
    work = "统一化成小数比较（%s），从小到大为 %s，%s的是 %s" % (conv, order, word, texts[i])
    wrong = [t for j, t in enumerate(texts) if j != i]
    return Fact(q, texts[i], wrong, work, stmt, ["010101000004", "010101000001"])


# ---- 07 逻辑与常识: number properties ------------------------------------

class PropertyTopic(Topic):
    """Questions of the form "which of these numbers have property P"."""

    noun = "各数"
    gap = " "

    def __init__(self, name, method, pts, props, number_range, extra_gen=None):
        Topic.__init__(self, name, method, pts, extra_gen)
        self.props = props  # list of (label, predicate, why(n) -> text)
        self.lo, self.hi = number_range

    def sample(self, rng, prop, want_true, count):
        label, pred, why = prop
        out = []
        while len(out) < count:
            n = rng.randrange(self.lo, self.hi)
            if pred(n) == want_true and n not in out:
                out.append(n)
        return out

    def q61(self, rng):
        if self.gen is not None and rng.random() < 0.35:
            return Topic.q61(self, rng)
        prop = rng.choice(self.props)
        label, pred, why = prop
        good = self.sample(rng, prop, True, 1)
        bad = self.sample(rng, prop, False, 3)
        nums = good + bad
        rng.shuffle(nums)
        letter = LETTERS[nums.index(good[0])]
        jx = "<br>".join("%s．%s" % (LETTERS[i], why(n)) for i, n in enumerate(nums))
        return dict(stem="下列%s中，%s的是（ ）。" % (self.noun, label),
                    options=[self.fmt(n) for n in nums], A2=letter,
                    jx=jx + "<br>故选 %s。" % letter, pts=list(self.pts))

    def q62(self, rng):
        prop = rng.choice(self.props)
        label, pred, why = prop
        n = self.sample(rng, prop, rng.random() < 0.5, 1)[0]
        t = pred(n)
        return dict(stem="%s%s%s。" % (self.fmt(n), self.gap, label), A2="A" if t else "B",
                    jx=why(n) + ("，该说法正确。" if t else "，该说法错误。"),
                    pts=list(self.pts))

    def qmulti(self, rng, kind):
        prop = rng.choice(self.props)
        label, pred, why = prop
        k = rng.choice([4, 5, 5])
        truths = pick_truths(rng, k, kind)
        nums = []
        for t in truths:
            n = self.sample(rng, prop, t, 1)[0]
            while n in nums:
                n = self.sample(rng, prop, t, 1)[0]
            nums.append(n)
        ans = "".join(LETTERS[i] for i, t in enumerate(truths) if t)
        jx = "<br>".join("%s．%s" % (LETTERS[i], why(n)) for i, n in enumerate(nums))
        return dict(stem="下列%s中，%s的有（ ）。" % (self.noun, label),
                    options=[self.fmt(n) for n in nums], A2=ans,
                    jx=jx + "<br>故选 %s。" % ans, pts=list(self.pts))

    def q70(self, rng):
        prop = rng.choice(self.props)
        label, pred, why = prop
        a = self.sample(rng, prop, True, 1)[0]
        b = self.sample(rng, prop, False, 1)[0]
        stem = "简述%s的方法，并判断 %s 和 %s 是否%s。" % (self.name, self.fmt(a), self.fmt(b), label)
        jx = "<b>方法：</b>%s<br><b>判断：</b>%s；%s。" % (self.method, why(a), why(b))
        return dict(stem=stem, A2="1", jx=jx, pts=list(self.pts))

    def fmt(self, n):
        return str(n)


def why_div(k):
    def f(n):
        if k in (3, 9):
            s = sum(int(c) for c in str(n))
            return "%d 的各位数字之和为 %d，%s被 %d 整除，所以 %d %s被 %d 整除" % (
                n, s, "能" if s % k == 0 else "不能", k, n, "能" if n % k == 0 else "不能", k)
        if k == 4:
            t = n % 100
            return "%d 的末两位 %02d %s被 4 整除，所以 %d %s被 4 整除" % (
                n, t, "能" if t % 4 == 0 else "不能", n, "能" if n % 4 == 0 else "不能")
        if k == 5:
            return "%d 的个位是 %d，所以%s被 5 整除" % (n, n % 10, "能" if n % 5 == 0 else "不能")
        return "%d ÷ %d = %d 余 %d，%s被 %d 整除" % (n, k, n // k, n % k,
                                             "能" if n % k == 0 else "不能", k)
    return f


def why_even(n):
    return "%d 的个位是 %d，%s" % (n, n % 10, "是偶数" if n % 2 == 0 else "是奇数")


def why_prime(n):
    if n < 2:
        return "%d 既不是质数也不是合数" % n
    for i in range(2, n):
        if i * i > n:
            break
        if n % i == 0:
            return "%d = %d × %d，是合数" % (n, i, n // i)
    return "%d 只有 1 和它本身两个因数，是质数" % n


class LeapTopic(PropertyTopic):
    CENTURIES = [1600, 1700, 1800, 1900, 2000, 2100, 2200, 2300, 2400]

    def sample(self, rng, prop, want_true, count):
        label, pred, why = prop
        out = []
        while len(out) < count:
            if rng.random() < 0.3:
                n = rng.choice(self.CENTURIES)
            else:
                n = rng.randrange(self.lo, self.hi)
            if pred(n) == want_true and n not in out:
                out.append(n)
        return out

    noun = "年份"
    gap = ""

    def fmt(self, n):
        return "%d年" % n


def why_leap(y):
    if y % 400 == 0:
        return "%d 能被 400 整除，%d年是闰年" % (y, y)
    if y % 100 == 0:
        return "%d 能被 100 整除但不能被 400 整除，%d年是平年" % (y, y)
    if y % 4 == 0:
        return "%d 能被 4 整除且不能被 100 整除，%d年是闰年" % (y, y)
    return "%d 不能被 4 整除，%d年是平年" % (y, y)


def g_year_days(rng):
    y = rng.choice(list(range(1900, 2101)))
    leap = calendar.isleap(y)
    if rng.random() < 0.5:
        ans = 29 if leap else 28
        cands = [28 if leap else 29, 30, 31, 27]
        ans_s, wrong = vals("天", ans, cands)
        q = "%d年2月有多少天？" % y
        stmt = "%d年2月有 {v}" % y
    else:
        ans = 366 if leap else 365
        cands = [365 if leap else 366, 364, 360, 367]
        ans_s, wrong = vals("天", ans, cands)
        q = "%d年全年有多少天？" % y
        stmt = "%d年全年有 {v}" % y
    work = why_leap(y) + "；闰年 2 月 29 天、全年 366 天，平年 2 月 28 天、全年 365 天"
    return Fact(q, ans_s, wrong, work, stmt, ["040102000001", "040102000002"])


def g_sequence(rng):
    v = rng.randrange(5)
    if v == 0:
        a, d = rng.randrange(1, 30), rng.randrange(2, 15)
        xs = [a + d * i for i in range(5)]
        work = "相邻两项的差都是 %d（等差数列），下一项是 %d + %d = %d" % (d, xs[3], d, xs[4])
        pts = ["050102000001"]
    elif v == 1:
        a, r = rng.randrange(1, 6), rng.choice([2, 3])
        xs = [a * r ** i for i in range(5)]
        work = "后一项都是前一项的 %d 倍（等比数列），下一项是 %d × %d = %d" % (r, xs[3], r, xs[4])
        pts = ["050102000002"]
    elif v == 2:
        s = rng.randrange(1, 8)
        xs = [(s + i) ** 2 for i in range(5)]
        work = "各项依次是 %s 的平方，下一项是 %d² = %d" % (
            "、".join(str(s + i) for i in range(4)), s + 4, xs[4])
        pts = ["050102000003"]
    elif v == 3:
        a, b = rng.randrange(1, 6), rng.randrange(1, 8)
        xs = [a, b]
        while len(xs) < 5:
            xs.append(xs[-1] + xs[-2])
        work = "从第三项起，每一项等于前两项之和，下一项是 %d + %d = %d" % (xs[2], xs[3], xs[4])
        pts = ["050102000003"]
    else:
        a, d, e = rng.randrange(1, 20), rng.randrange(1, 6), rng.randrange(1, 4)
        xs = [a]
        for i in range(4):
            xs.append(xs[-1] + d + e * i)
        diffs = [xs[i + 1] - xs[i] for i in range(4)]
        work = "相邻两项的差依次为 %s，每次增加 %d，下一项是 %d + %d = %d" % (
            "、".join(map(str, diffs)), e, xs[3], diffs[3], xs[4])
        pts = ["050102000001"]
    ans = xs[4]
    cands = [ans + 1, ans - 1, ans + 2, xs[3] + (xs[3] - xs[2]) if v != 0 else ans * 2, ans + 3]
    ans_s, wrong = vals("", ans, cands)
    shown = ", ".join(map(str, xs[:4]))
    q = "找规律填数：%s, （ ）" % shown
    stmt = "按规律，数列 %s, … 的下一项是 {v}" % shown
    return Fact(q, ans_s, wrong, work, stmt, pts)


# ---- 07 hand-written items ----------------------------------------------

class HandTopic(Topic):
    """Hand-written, checked items."""

    multi_stem = "下列说法中，正确的有（ ）。"

    def __init__(self, name, method, pts, singles, statements, subjective):
        Topic.__init__(self, name, method, pts)
        self.singles = singles        # (stem, answer, [3 wrong], explanation)
        self.statements = statements  # (text, truth, explanation)
        self.subjective = subjective  # (stem, model answer)
        self.used = {"61": 0, "62": 0, "70": 0}
        for s in singles:
            assert len({s[1]} | set(s[2])) == 4, s

    def q61(self, rng):
        stem, ans, wrong, why = self.singles[self.used["61"] % len(self.singles)]
        self.used["61"] += 1
        opts = [ans] + list(wrong)
        rng.shuffle(opts)
        letter = LETTERS[opts.index(ans)]
        return dict(stem=stem, options=opts, A2=letter,
                    jx="%s<br>故选 %s。" % (why, letter), pts=list(self.pts))

    def q62(self, rng):
        text, truth, why = self.statements[self.used["62"] % len(self.statements)]
        self.used["62"] += 1
        return dict(stem=text, A2="A" if truth else "B",
                    jx=why + ("，该说法正确。" if truth else "，该说法错误。"),
                    pts=list(self.pts))

    def qmulti(self, rng, kind):
        k = rng.choice([4, 5])
        trues = [s for s in self.statements if s[1]]
        falses = [s for s in self.statements if not s[1]]
        truths = pick_truths(rng, k, kind)
        nt = sum(truths)
        if nt > len(trues) or k - nt > len(falses):
            raise Retry()
        pick_t = rng.sample(trues, nt)
        pick_f = rng.sample(falses, k - nt)
        items = []
        for t in truths:
            items.append(pick_t.pop() if t else pick_f.pop())
        opts = [s[0].rstrip("。") for s in items]
        ans = "".join(LETTERS[i] for i, s in enumerate(items) if s[1])
        jx = "<br>".join("%s．%s，%s。" % (LETTERS[i], s[2], "正确" if s[1] else "错误")
                         for i, s in enumerate(items))
        return dict(stem=self.multi_stem, options=opts, A2=ans,
                    jx=jx + "<br>故选 %s。" % ans, pts=list(self.pts))

    def q70(self, rng):
        stem, model = self.subjective[self.used["70"] % len(self.subjective)]
        self.used["70"] += 1
        return dict(stem=stem, A2="1", jx=model, pts=list(self.pts))


LOGIC_SINGLES = [
    ("已知：所有示例甲都是乙；小明是示例甲。由此可以推出（ ）。", "小明是乙",
     ["所有乙都是示例甲", "小明不是乙", "有的乙不是示例甲"],
     "这是三段论：大前提“所有示例甲都是乙”，小前提“小明是示例甲”，结论“小明是乙”；其余三项都不能由前提推出"),
    ("命题“如果下雨，那么地面湿”的逆否命题是（ ）。", "如果地面不湿，那么没有下雨",
     ["如果地面湿，那么下雨了", "如果没有下雨，那么地面不湿", "如果下雨，那么地面不湿"],
     "“如果 p，那么 q”的逆否命题是“如果非 q，那么非 p”；“如果地面湿，那么下雨了”是逆命题，“如果没有下雨，那么地面不湿”是否命题"),
    ("“只有年满 18 周岁，才有资格参加示例选拔。”已知小李有资格参加，可以推出（ ）。", "小李年满 18 周岁",
     ["小李未满 18 周岁", "所有年满 18 周岁的人都有资格参加", "小李一定会被选中"],
     "“只有 p，才 q”表示 p 是 q 的必要条件：有 q 必有 p。小李有资格（q），所以他年满 18 周岁（p）"),
    ("甲、乙、丙三人中只有一人说真话。甲说：“乙说谎。”乙说：“丙说谎。”丙说：“甲和乙都说谎。”说真话的是（ ）。", "乙",
     ["甲", "丙", "无法确定"],
     "若甲真，则乙说谎，丙说真话，出现两人说真话，矛盾；若丙真，则甲、乙都说谎，但甲说谎意味着乙说真话，矛盾；"
     "若乙真，则丙说谎、甲说谎（甲说“乙说谎”为假），丙说“甲和乙都说谎”也为假，恰好一人说真话，成立"),
    ("示例小组有 5 人，每人至少会吉他和钢琴中的一种，其中 3 人会吉他，4 人会钢琴。两种都会的有几人？", "2 人",
     ["1 人", "3 人", "7 人"],
     "按容斥原理：两种都会的人数 = 3 + 4 − 5 = 2（人）"),
    ("若“所有的示例花都是红色的”为假，则下列一定为真的是（ ）。", "有的示例花不是红色的",
     ["所有的示例花都不是红色的", "有的示例花是红色的", "示例花都是白色的"],
     "“所有 S 都是 P”的矛盾命题是“有的 S 不是 P”，前者为假时后者一定为真；其余各项真假不能确定"),
    ("甲、乙、丙三人站成一排，甲不站在两端，乙站在丙的左边。从左到右的顺序是（ ）。", "乙、甲、丙",
     ["丙、甲、乙", "甲、乙、丙", "乙、丙、甲"],
     "甲不在两端，只能站中间；乙在丙的左边，所以乙在最左、丙在最右"),
    ("一个数既是 2 的倍数又是 3 的倍数，那么它一定是（ ）的倍数。", "6",
     ["5", "9", "12"],
     "2 和 3 的最小公倍数是 6，同时是 2 和 3 的倍数的数一定是 6 的倍数；例如 6 不是 9 或 12 的倍数"),
    ("四名示例选手比赛，已知：甲比乙快，丙比甲快，乙比丁快。最快的是（ ）。", "丙",
     ["甲", "乙", "丁"],
     "由条件得：丙 > 甲 > 乙 > 丁，所以最快的是丙"),
    ("“x > 5”是“x > 3”的（ ）。", "充分而不必要条件",
     ["必要而不充分条件", "充分必要条件", "既不充分也不必要条件"],
     "x > 5 时一定有 x > 3，所以是充分条件；x = 4 满足 x > 3 但不满足 x > 5，所以不是必要条件"),
]

LOGIC_STATEMENTS = [
    ("“如果 p，那么 q”与它的逆否命题“如果非 q，那么非 p”真假相同。", True,
     "原命题与逆否命题互为等价命题，同真同假"),
    ("“如果 p，那么 q”为真时，它的逆命题“如果 q，那么 p”也一定为真。", False,
     "例如“如果一个数是 4 的倍数，那么它是偶数”为真，但逆命题“如果一个数是偶数，那么它是 4 的倍数”为假（如 2）"),
    ("由“有的学生是示例社团成员”可以推出“有的示例社团成员是学生”。", True,
     "“有的 S 是 P”换位后得到“有的 P 是 S”，二者等价"),
    ("由“所有鸟都会飞”为假，可以推出“所有鸟都不会飞”为真。", False,
     "“所有鸟都会飞”为假只能推出“有的鸟不会飞”，不能推出“所有鸟都不会飞”"),
    ("“只有 p，才 q”表示 p 是 q 的必要条件。", True,
     "“只有 p，才 q”意思是没有 p 就没有 q，即 p 是 q 的必要条件"),
    ("“x > 5”是“x > 3”的充分条件。", True,
     "凡是大于 5 的数都大于 3"),
    ("“x > 3”是“x > 5”的充分条件。", False,
     "x = 4 时 x > 3 成立而 x > 5 不成立"),
    ("一个命题的否命题与它的逆命题真假相同。", True,
     "否命题“如果非 p，那么非 q”与逆命题“如果 q，那么 p”互为逆否命题，所以同真同假"),
    ("由“所有示例甲都是乙，所有乙都是丙”可以推出“所有示例甲都是丙”。", True,
     "“都是”关系可以传递，这是有效的三段论推理"),
    ("由“所有示例甲都是乙，小王是乙”可以推出“小王是示例甲”。", False,
     "乙不一定都是示例甲，小王是乙并不能说明他是示例甲"),
    ("“今天是星期三或星期四”为真时，今天一定是星期三。", False,
     "“或”命题为真只需其中一个为真，今天也可能是星期四"),
    ("“这个数是偶数并且大于 10”为真时，这个数一定大于 10。", True,
     "“并且”命题为真时，两部分都为真"),
]

LOGIC_SUBJ = [
    ("简述什么是逆否命题，写出“如果一个数能被 4 整除，那么它是偶数”的逆否命题并判断其真假。",
     "<b>要点：</b>把命题“如果 p，那么 q”的条件和结论都否定并交换位置，得到“如果非 q，那么非 p”，这就是它的逆否命题；"
     "原命题与逆否命题同真同假。<br><b>逆否命题：</b>如果一个数不是偶数，那么它不能被 4 整除。"
     "<br><b>判断：</b>原命题为真（4 的倍数都是 2 的倍数），所以逆否命题也为真。"),
    ("简述三段论的结构，并根据“所有示例甲都是乙，所有乙都是丙”写出结论。",
     "<b>要点：</b>三段论由大前提、小前提和结论三部分组成，前提中共有的中项把另外两项联系起来。"
     "<br><b>结论：</b>所有示例甲都是丙（中项是“乙”）。"),
    ("简述充分条件与必要条件的含义，并判断“一个数是 6 的倍数”是“这个数是偶数”的什么条件。",
     "<b>要点：</b>若由 p 能推出 q，则 p 是 q 的充分条件，q 是 p 的必要条件。"
     "<br><b>判断：</b>6 的倍数一定是偶数，所以是充分条件；偶数 2 不是 6 的倍数，所以不是必要条件。"
     "结论：充分而不必要条件。"),
]

NATURE_SINGLES = [
    ("太阳系中离太阳最近的行星是（ ）。", "水星", ["金星", "地球", "火星"],
     "太阳系八大行星按离太阳由近到远依次为水星、金星、地球、火星、木星、土星、天王星、海王星"),
    ("世界上海拔最高的山峰是（ ）。", "珠穆朗玛峰", ["乔戈里峰", "泰山", "富士山"],
     "珠穆朗玛峰是世界最高峰，乔戈里峰是世界第二高峰"),
    ("在一个标准大气压下，水的沸点是（ ）。", "100 ℃", ["90 ℃", "80 ℃", "120 ℃"],
     "在一个标准大气压下，纯水的沸点是 100 ℃，凝固点是 0 ℃"),
    ("中国最长的河流是（ ）。", "长江", ["黄河", "珠江", "淮河"],
     "长江全长约 6300 千米，是中国第一长河；黄河是第二长河"),
    ("北半球一年中白昼最长的节气是（ ）。", "夏至", ["冬至", "春分", "秋分"],
     "夏至日太阳直射北回归线，北半球白昼最长；冬至日北半球白昼最短；春分、秋分昼夜大致相等"),
    ("昆虫的成虫一般有几条足？（ ）", "6 条", ["4 条", "8 条", "10 条"],
     "昆虫成虫一般有三对（6 条）足；蜘蛛有 8 条足，不属于昆虫"),
    ("植物进行光合作用时释放的气体主要是（ ）。", "氧气", ["二氧化碳", "氮气", "氢气"],
     "光合作用吸收二氧化碳和水，在光照下合成有机物并释放氧气"),
    ("鲸属于（ ）。", "哺乳动物", ["鱼类", "两栖动物", "爬行动物"],
     "鲸用肺呼吸、胎生、哺乳，属于哺乳动物"),
    ("水的化学式是（ ）。", "H<sub>2</sub>O", ["CO<sub>2</sub>", "O<sub>2</sub>", "NaCl"],
     "一个水分子由两个氢原子和一个氧原子构成，化学式为 H<sub>2</sub>O；NaCl 是食盐的主要成分"),
    ("太阳系中体积最大的行星是（ ）。", "木星", ["土星", "地球", "海王星"],
     "木星是太阳系中体积和质量最大的行星"),
]

NATURE_STATEMENTS = [
    ("在一个标准大气压下，纯水在 0 ℃ 时开始结冰。", True, "标准大气压下水的凝固点是 0 ℃"),
    ("月球是地球唯一的天然卫星。", True, "地球只有一颗天然卫星，即月球"),
    ("声音可以在真空中传播。", False, "声音的传播需要介质，真空中不能传播声音"),
    ("冰的密度比液态水大。", False, "冰的密度比液态水小，所以冰能浮在水面上"),
    ("1 千克铁比 1 千克棉花重。", False, "二者质量都是 1 千克，一样重"),
    ("蜘蛛属于昆虫。", False, "蜘蛛有 8 条足、身体分头胸部和腹部两部分，不属于昆虫"),
    ("地球表面海洋的面积大于陆地的面积。", True, "海洋约占地球表面积的 71%"),
    ("光在真空中的传播速度约为每秒 30 万千米。", True, "真空中光速约为 3 × 10<sup>8</sup> 米/秒，即约每秒 30 万千米"),
    ("铁在潮湿的空气中比在干燥的空气中更容易生锈。", True, "铁生锈需要水和氧气共同作用"),
    ("蝙蝠属于鸟类。", False, "蝙蝠胎生、哺乳，属于哺乳动物"),
    ("地球绕太阳公转一周大约需要一年。", True, "地球公转周期约为 365.24 天"),
    ("北京是中华人民共和国的首都。", True, "中华人民共和国的首都是北京"),
    ("太阳从西方升起。", False, "由于地球自西向东自转，太阳从东方升起、西方落下"),
]

NATURE_SUBJ = [
    ("简述冰能浮在水面上的原因。",
     "<b>要点：</b>水结冰时体积变大，冰的密度（约 0.9 克/立方厘米）小于液态水的密度（约 1 克/立方厘米）。"
     "冰块完全浸没在水中时受到的浮力大于它的重力，所以会上浮，最后漂浮在水面上（漂浮时浮力等于重力）。"),
    ("简述植物光合作用的原料、条件和产物。",
     "<b>要点：</b>原料是二氧化碳和水；条件是光照，场所是叶绿体；产物是有机物（如淀粉）和氧气。"),
]

CAL_PROPS = [("是闰年", calendar.isleap, why_leap)]
PARITY_PROPS = [
    ("是偶数", lambda n: n % 2 == 0, why_even),
    ("是奇数", lambda n: n % 2 == 1,
     lambda n: "%d 的个位是 %d，%s" % (n, n % 10, "是奇数" if n % 2 else "是偶数")),
    ("能被 3 整除", lambda n: n % 3 == 0, why_div(3)),
    ("能被 4 整除", lambda n: n % 4 == 0, why_div(4)),
    ("能被 5 整除", lambda n: n % 5 == 0, why_div(5)),
    ("能被 9 整除", lambda n: n % 9 == 0, why_div(9)),
]
PRIME_PROPS = [
    ("是质数", is_prime, why_prime),
    ("是合数", lambda n: n > 1 and not is_prime(n), why_prime),
]


# ---- 08 日期与时间 ------------------------------------------------------

def rand_date(rng, y0=2026, y1=2028):
    start = dt.date(y0, 1, 1)
    span = (dt.date(y1, 12, 31) - start).days
    return start + dt.timedelta(days=rng.randrange(span + 1))


def g_weekday(rng):
    d = rand_date(rng)
    if d.month == 1 and d.day == 1:
        raise Retry()
    j1 = dt.date(d.year, 1, 1)
    W0 = WEEK[j1.weekday()]
    N = (d - j1).days
    r = N % 7
    W = WEEK[(j1.weekday() + r) % 7]
    assert W == WEEK[d.weekday()]
    before = sum(calendar.monthrange(d.year, m)[1] for m in range(1, d.month))
    if d.month == 1:
        part = "1月1日到1月%d日相差 %d 天" % (d.day, N)
    else:
        part = "1月至%d月共 %d 天，再加 %d − 1 = %d 天，相差 %d 天" % (
            d.month - 1, before, d.day, d.day - 1, N)
    wrong = [w for w in WEEK if w != W]
    rng.shuffle(wrong)
    q = "已知 %d年1月1日是%s，那么 %s是星期几？" % (d.year, W0, ymd(d))
    stmt = "已知 %d年1月1日是%s，则 %s是{v}" % (d.year, W0, ymd(d))
    work = "%s；%d ÷ 7 = %d 余 %d，从%s向后推 %d 天是%s" % (part, N, N // 7, r, W0, r, W)
    return Fact(q, W, wrong, work, stmt, ["040101000002", "040101000001"])


def g_weekday_after(rng):
    w0 = rng.randrange(7)
    n = rng.randrange(9, 401)
    after = rng.random() < 0.7
    r = n % 7
    w = (w0 + r) % 7 if after else (w0 - r) % 7
    W0, W = WEEK[w0], WEEK[w]
    wrong = [x for x in WEEK if x != W]
    rng.shuffle(wrong)
    dirw = "后" if after else "前"
    q = "已知今天是%s，%d 天%s是星期几？" % (W0, n, dirw)
    stmt = "今天是%s，则 %d 天%s是{v}" % (W0, n, dirw)
    work = "星期每 7 天循环一次，%d ÷ 7 = %d 余 %d，从%s向%s推 %d 天是%s" % (
        n, n // 7, r, W0, "后" if after else "前", r, W)
    return Fact(q, W, wrong, work, stmt, ["040101000003", "040101000001"])


def g_days_between(rng):
    d1 = rand_date(rng, 2026, 2028)
    n = rng.randrange(5, 200)
    d2 = d1 + dt.timedelta(days=n)
    if d2.year > 2028:
        raise Retry()
    if (d1.year, d1.month) == (d2.year, d2.month):
        part = "同月内相差 %d − %d = %d 天" % (d2.day, d1.day, n)
    else:
        first = calendar.monthrange(d1.year, d1.month)[1] - d1.day
        mid = []
        y, m = d1.year, d1.month
        while True:
            m += 1
            if m == 13:
                y, m = y + 1, 1
            if (y, m) == (d2.year, d2.month):
                break
            mid.append(("%d月" % m, calendar.monthrange(y, m)[1]))
        total = first + sum(x[1] for x in mid) + d2.day
        assert total == n
        part = "%d月%d日到月底还有 %d 天" % (d1.month, d1.day, first)
        if mid:
            part += "，中间%s共 %d 天" % ("、".join(x[0] for x in mid), sum(x[1] for x in mid))
        part += "，再加 %d月的 %d 天，共 %d 天" % (d2.month, d2.day, n)
    cands = [n + 1, n - 1, n + 2, n + 30, n - 30]
    ans_s, wrong = vals("天", n, cands)
    q = "%s 与 %s 相差多少天？（即后一个日期比前一个日期晚多少天）" % (ymd(d1), ymd(d2))
    stmt = "%s 比 %s 晚 {v}" % (ymd(d2), ymd(d1))
    feb29 = [y for y in range(d1.year, d2.year + 1)
             if calendar.isleap(y) and d1 < dt.date(y, 2, 29) <= d2]
    extra = "（%d年是闰年，2月有 29 天）" % feb29[0] if feb29 else ""
    work = part + extra
    return Fact(q, ans_s, wrong, work, stmt, ["040102000003", "040102000002"])


def g_date_after(rng):
    d1 = rand_date(rng, 2026, 2028)
    n = rng.randrange(10, 150)
    d2 = d1 + dt.timedelta(days=n)
    cands = [d2 + dt.timedelta(days=1), d2 - dt.timedelta(days=1),
             d2 + dt.timedelta(days=2), d2 - dt.timedelta(days=2)]
    ans_s = ymd(d2)
    wrong = [ymd(x) for x in cands]
    rng.shuffle(wrong)
    q = "%s 再过 %d 天是哪一天？" % (ymd(d1), n)
    stmt = "%s 再过 %d 天是 {v}" % (ymd(d1), n)
    # walk month by month: from the current day to the 1st of next month
    steps = []
    cur, left = d1, n
    while True:
        nxt = dt.date(cur.year + (cur.month == 12), cur.month % 12 + 1, 1)
        gap = (nxt - cur).days
        if left < gap:
            assert cur + dt.timedelta(days=left) == d2
            steps.append("%d月%d日再过 %d 天是 %d月%d日" % (
                cur.month, cur.day, left, cur.month, cur.day + left))
            break
        left -= gap
        steps.append("%d月%d日到%d月1日经过 %d 天，还剩 %d 天" % (
            cur.month, cur.day, nxt.month, gap, left))
        cur = nxt
        if left == 0:
            assert cur == d2
            break
    work = "；".join(steps) + "，即 %s" % ans_s
    return Fact(q, ans_s, wrong, work, stmt, ["040102000004", "040102000002"])


def g_time_conv(rng):
    v = rng.randrange(4)
    if v == 0:
        h, m = rng.randrange(1, 10), rng.randrange(1, 60)
        ans = 60 * h + m
        cands = [100 * h + m, 60 * h, ans + 10, ans - 10, h + m]
        ans_s, wrong = vals("分钟", ans, cands)
        q = "%d小时%d分等于多少分钟？" % (h, m)
        stmt = "%d小时%d分 = {v}" % (h, m)
        work = "1 小时 = 60 分钟，%d × 60 + %d = %s" % (h, m, ans_s)
    elif v == 1:
        s = rng.randrange(61, 600)
        if s % 60 == 0:
            raise Retry()
        a, b = divmod(s, 60)
        ans_s = "%d分%d秒" % (a, b)
        wrong = ["%d分%d秒" % divmod(s, 100), "%d分%d秒" % (a + 1, b),
                 "%d分%d秒" % (a, (b + 10) % 60), "%d分%d秒" % (a - 1, b) if a > 1 else "%d分%d秒" % (a + 2, b)]
        q = "%d秒等于几分几秒？" % s
        stmt = "%d秒 = {v}" % s
        work = "1 分 = 60 秒，%d ÷ 60 = %d 余 %d，即 %s" % (s, a, b, ans_s)
    elif v == 2:
        x = F(rng.choice([3, 5, 7, 9, 13, 15, 17, 21, 25, 27, 31]), rng.choice([2, 4, 5, 10]))
        ans = x * 60
        if ans.denominator != 1:
            raise Retry()
        cands = [x * 100, x * 10, ans + 5, ans - 5, ans + 30]
        ans_s, wrong = vals("分钟", ans, cands)
        q = "%s 小时等于多少分钟？" % num(x)
        stmt = "%s 小时 = {v}" % num(x)
        work = "%s × 60 = %s" % (num(x), ans_s)
    else:
        m = 3 * rng.randrange(3, 60)
        ans = F(m, 60)
        cands = [F(m, 100), F(m, 10), ans + F(1, 10), ans * 2, ans + 1]
        ans_s, wrong = vals("小时", ans, cands)
        q = "%d 分钟等于多少小时？（用小数表示）" % m
        stmt = "%d 分钟 = {v}" % m
        work = "%d ÷ 60 = %s" % (m, ans_s)
    return Fact(q, ans_s, wrong, work, stmt, ["040103000001"])


def g_clock(rng):
    start = rng.randrange(6 * 60, 16 * 60, 5)
    length = rng.randrange(25, 6 * 60, 5)
    end = start + length
    if rng.random() < 0.5:
        ans_s = hm(end)
        wrong = [hm(end + 10), hm(end - 10), hm(end + 60), hm(end - 60)]
        q = "一场示例讲座 %s 开始，持续 %s，结束时刻是几点几分？" % (hm(start), dur(length))
        stmt = "%s 开始、持续 %s 的讲座在 {v} 结束" % (hm(start), dur(length))
        work = "%s 加上 %s：%s" % (hm(start), dur(length), ans_s)
        if start % 60 + length % 60 >= 60:
            work += "（分钟相加满 60 进 1 小时）"
    else:
        ans_s = dur(length)
        wrong = [dur(length + 10), dur(length - 10), dur(length + 60),
                 dur(length - 60) if length > 70 else dur(length + 20)]
        q = "示例列车 %s 出发，%s 到达，途中用了多长时间？" % (hm(start), hm(end))
        stmt = "%s 出发、%s 到达，途中用时 {v}" % (hm(start), hm(end))
        work = "经过时间 = 结束时刻 − 开始时刻 = %s − %s = %s" % (hm(end), hm(start), ans_s)
    return Fact(q, ans_s, wrong, work, stmt, ["040103000003", "040103000002"])


# ---------------------------------------------------------------- cases

class Case:
    """A shared-stem case: its text and the facts that can be asked."""

    def __init__(self, text, facts, pts):
        self.text = text
        self.facts = facts
        for f in facts:
            if not f.pts:
                f.pts = list(pts)


MONTHS_Q = [(1, 2, 3), (4, 5, 6), (7, 8, 9)]


def case_sales(rng, name):
    for _ in range(500):
        try:
            months = rng.choice(MONTHS_Q)
            R1 = rng.choice([120, 150, 160, 180, 200, 240, 250, 300])
            g = rng.choice([5, 10, 15, 20, 25, -10, -20])
            R2 = F(R1 * (100 + g), 100)
            R3 = rng.randrange(100, 320)
            R = [F(R1), R2, F(R3)]
            if R2.denominator != 1 or sum(R) % 3 != 0 or len(set(R)) < 3:
                raise Retry()
            cr = [rng.choice([60, 65, 70, 75, 80]) for _ in range(3)]
            C = [R[i] * cr[i] / 100 for i in range(3)]
            Pf = [R[i] - C[i] for i in range(3)]
            if len(set(Pf)) < 3:
                raise Retry()
            break
        except Retry:
            continue
    mn = ["%d月" % m for m in months]
    text = ("%s %s—%s各月数据如下（单位：万元）：<br>" % (name, mn[0], mn[2]) +
            "<br>".join("%s：销售额 %s，成本 %s" % (mn[i], num(R[i]), num(C[i])) for i in range(3)) +
            "<br>利润 = 销售额 − 成本。")
    S = sum(R)
    P = sum(Pf)
    facts = []
    a, w = vals("万元", S, [S + 10, S - 10, R[0] + R[1], sum(C), S + 20])
    facts.append(Fact("该季度销售总额是多少万元？", a, w,
                      "%s + %s + %s = %s" % (num(R[0]), num(R[1]), num(R[2]), a),
                      "该季度销售总额为 {v}"))
    a, w = vals("万元", S / 3, [S / 3 + 5, S / 3 - 5, R[1], S / 4, S / 3 + 10])
    facts.append(Fact("该季度月平均销售额是多少万元？", a, w,
                      "%s ÷ 3 = %s" % (num(S), a), "该季度月平均销售额为 {v}"))
    word = "增长" if g > 0 else "下降"
    alt = F(abs(R[1] - R[0]) * 100, R[1])
    a, w = vals("%", abs(g), [alt if terminating(alt) else None, abs(g) + 5, abs(g) * 2,
                              abs(g) + 10, abs(g) - 5 if abs(g) > 5 else None])
    facts.append(Fact("%s销售额比%s%s了百分之几？" % (mn[1], mn[0], word), a, w,
                      "%s ÷ %s × 100%% = %s" % (
                          "(%s − %s)" % ((num(R[1]), num(R[0])) if g > 0 else (num(R[0]), num(R[1]))),
                          num(R[0]), a),
                      "%s销售额比%s%s了 {v}" % (mn[1], mn[0], word),
                      ["020103000001", "060101000001"]))
    a, w = vals("万元", Pf[0], [C[0], Pf[0] + 5, Pf[1], Pf[0] * 2, R[0]])
    facts.append(Fact("%s的利润是多少万元？" % mn[0], a, w,
                      "%s − %s = %s" % (num(R[0]), num(C[0]), a), "%s的利润为 {v}" % mn[0],
                      ["010103000002", "060101000004"]))
    a, w = vals("万元", P, [sum(C), P + 10, P - 10, S, P * 2])
    facts.append(Fact("该季度利润总额是多少万元？", a, w,
                      "各月利润 %s，合计 %s" % ("、".join(num(x) for x in Pf), a),
                      "该季度利润总额为 {v}", ["010103000002", "060101000001"]))
    a, w = vals("%", cr[2], [100 - cr[2], cr[2] + 5, cr[2] - 5, cr[2] + 10])
    facts.append(Fact("%s成本占当月销售额的百分之几？" % mn[2], a, w,
                      "%s ÷ %s × 100%% = %s" % (num(C[2]), num(R[2]), a),
                      "%s成本占当月销售额的 {v}" % mn[2], ["010101000003"]))
    best = max(range(3), key=lambda i: Pf[i])
    wrong = [mn[i] for i in range(3) if i != best] + ["三个月利润相同"]
    facts.append(Fact("该季度哪个月的利润最高？", mn[best], wrong,
                      "各月利润依次为 %s 万元，最高的是%s" % ("、".join(num(x) for x in Pf), mn[best]),
                      lambda v: ("该季度三个月的利润相同" if v == "三个月利润相同"
                                 else "该季度利润最高的月份是" + v), ["060101000004"]))
    rate = P / S * 100
    rs = rnd(rate, 1) + "%"
    wr = [rnd(rate + k, 1) + "%" for k in (2, -2, 5)] + [rnd(P / sum(C) * 100, 1) + "%"]
    facts.append(Fact("该季度的销售利润率（利润总额 ÷ 销售总额）约为多少？（保留一位小数）", rs, wr,
                      "%s ÷ %s × 100%% ≈ %s" % (num(P), num(S), rs),
                      "该季度销售利润率约为 {v}（保留一位小数）", ["010103000002"]))
    return Case(text, facts, ["060101000001", "010103000002"])


DEPTS = ["行政部", "销售部", "技术部", "财务部"]


def case_staff(rng, name):
    k = rng.choice([3, 4])
    deps = DEPTS[:k]
    n = rng.sample(range(5, 41), k)
    s = rng.sample(range(60, 151), k)
    s = [x * 100 for x in s]
    text = ("%s各部门人数和人均月工资如下：<br>" % name +
            "<br>".join("%s：%d 人，人均月工资 %d 元" % (deps[i], n[i], s[i]) for i in range(k)))
    N = sum(n)
    pay = [n[i] * s[i] for i in range(k)]
    T = sum(pay)
    facts = []
    a, w = vals("人", N, [N + 1, N - 1, N + 5, N - 5, N + 10])
    facts.append(Fact("该公司共有多少人？", a, w, "%s = %s" % (" + ".join(map(str, n)), a),
                      "该公司共有 {v}", ["060101000001"]))
    i = rng.randrange(k)
    a, w = vals("元", pay[i], [pay[i] + s[i], pay[i] - s[i], s[i] * (n[i] + 10), pay[i] * 10])
    facts.append(Fact("%s每月工资总额是多少元？" % deps[i], a, w,
                      "%d × %d = %s" % (n[i], s[i], a), "%s每月工资总额为 {v}" % deps[i],
                      ["060103000003"]))
    a, w = vals("元", T, [T + 1000, T - 1000, sum(s) * N, T + 10000, sum(s)])
    facts.append(Fact("全公司每月工资总额是多少元？", a, w,
                      " + ".join("%d × %d" % (n[j], s[j]) for j in range(k)) + " = " + a,
                      "全公司每月工资总额为 {v}", ["060101000001"]))
    avg = rnd(F(T, N), 0)
    simple = rnd(F(sum(s), k), 0)
    wr = [simple, rnd(F(T, N) + 100, 0), rnd(F(T, N) - 100, 0), rnd(F(T, N) + 200, 0)]
    facts.append(Fact("全公司人均月工资约为多少元？（保留整数）", avg + "元", [x + "元" for x in wr],
                      "人均工资 = 工资总额 ÷ 总人数 = %d ÷ %d ≈ %s 元（不能直接平均各部门人均工资）" % (T, N, avg),
                      "全公司人均月工资约为 {v}（保留整数）", ["060101000002"]))
    j = rng.randrange(k)
    sh = F(n[j] * 100, N)
    ss = rnd(sh, 1) + "%"
    wr = [rnd(sh + 3, 1) + "%", rnd(sh - 3, 1) + "%", rnd(F(100, k), 1) + "%", rnd(sh + 6, 1) + "%"]
    facts.append(Fact("%s人数约占全公司人数的百分之几？（保留一位小数）" % deps[j], ss, wr,
                      "%d ÷ %d × 100%% ≈ %s" % (n[j], N, ss),
                      "%s人数约占全公司的 {v}（保留一位小数）" % deps[j], ["010101000003"]))
    top = max(range(k), key=lambda x: s[x])
    wrong = [deps[x] for x in range(k) if x != top] + ["无法确定"]
    facts.append(Fact("人均月工资最高的部门是哪个？", deps[top], wrong,
                      "比较各部门人均月工资：%s，最高的是%s" % ("、".join(map(str, s)), deps[top]),
                      lambda v: ("根据资料无法判断哪个部门人均月工资最高" if v == "无法确定"
                                 else "人均月工资最高的部门是" + v), ["060101000001"]))
    big = max(range(k), key=lambda x: n[x])
    wrong = [deps[x] for x in range(k) if x != big] + ["无法确定"]
    facts.append(Fact("人数最多的部门是哪个？", deps[big], wrong,
                      "比较各部门人数：%s，最多的是%s" % ("、".join(map(str, n)), deps[big]),
                      lambda v: ("根据资料无法判断哪个部门人数最多" if v == "无法确定"
                                 else "人数最多的部门是" + v), ["060101000001"]))
    up = F(pay[i], 10)
    a, w = vals("元", up, [F(s[i], 10), pay[i] + up, up * 2, up + 100])
    facts.append(Fact("若%s人均月工资上调 10%%、人数不变，每月工资总额增加多少元？" % deps[i], a, w,
                      "%d × 10%% = %s" % (pay[i], a),
                      "%s人均月工资上调 10%% 后，每月工资总额增加 {v}" % deps[i],
                      ["010101000002"]))
    return Case(text, facts, ["060101000002", "060101000001"])


def case_train(rng, name):
    for _ in range(1000):
        segs = []
        ok = True
        for _ in range(3):
            t = rng.randrange(30, 181, 5)
            vs = [v for v in (60, 72, 80, 90, 100, 120) if (v * t) % 60 == 0]
            if not vs:
                ok = False
                break
            v = rng.choice(vs)
            segs.append((t, v, v * t // 60))
        if ok:
            break
    st = ["甲站", "乙站", "丙站", "丁站"]
    stops = [rng.randrange(3, 16), rng.randrange(3, 16)]
    t0 = rng.randrange(6 * 60, 12 * 60, 5)
    arr, dep = [None], [t0]
    cur = t0
    for i in range(3):
        cur += segs[i][0]
        arr.append(cur)
        if i < 2:
            cur += stops[i]
            dep.append(cur)
    rows = ["%s：%s 开" % (st[0], hm(dep[0]))]
    for i in (1, 2):
        rows.append("%s：%s 到，%s 开" % (st[i], hm(arr[i]), hm(dep[i])))
    rows.append("%s：%s 到" % (st[3], hm(arr[3])))
    dist = [s[2] for s in segs]
    text = ("%s时刻表如下：<br>%s<br>各区间里程：甲—乙 %d 千米，乙—丙 %d 千米，丙—丁 %d 千米。"
            % (name, "<br>".join(rows), dist[0], dist[1], dist[2]))
    total = arr[3] - dep[0]
    run = sum(s[0] for s in segs)
    facts = []
    a = dur(total)
    facts.append(Fact("列车从甲站开出到到达丁站，共用多长时间？", a,
                      [dur(run), dur(total + 10), dur(total - 10), dur(total + 60)],
                      "%s − %s = %s（含途中停站时间）" % (hm(arr[3]), hm(dep[0]), a),
                      "列车从甲站开出到到达丁站共用 {v}", ["040103000003"]))
    a = "%d分钟" % stops[0]
    facts.append(Fact("列车在乙站停留多长时间？", a,
                      ["%d分钟" % (stops[0] + k) for k in (5, -2, 10, 15) if stops[0] + k > 0],
                      "%s − %s = %s" % (hm(dep[1]), hm(arr[1]), a),
                      "列车在乙站停留 {v}", ["040103000003"]))
    v2 = segs[1][1]
    a, w = vals("千米/时", v2, [v2 + 10, v2 - 10, dist[1], v2 + 20, F(dist[1] * 60, segs[1][0] + stops[0])])
    facts.append(Fact("列车在乙站至丙站区间的平均速度是多少千米/时？（按运行时间计算）", a, w,
                      "运行时间 %s − %s = %d 分钟，%d ÷ (%d/60) = %s" % (
                          hm(arr[2]), hm(dep[1]), segs[1][0], dist[1], segs[1][0], a),
                      "乙站至丙站区间的平均速度为 {v}", ["060103000002"]))
    D = sum(dist)
    a, w = vals("千米", D, [D + 10, D - 10, dist[0] + dist[1], D + 20, D * 2])
    facts.append(Fact("甲站至丁站全程多少千米？", a, w,
                      "%d + %d + %d = %s" % (dist[0], dist[1], dist[2], a),
                      "甲站至丁站全程 {v}", ["060101000001"]))
    late = rng.choice([15, 20, 25, 35, 40, 50])
    a = hm(arr[3] + late)
    facts.append(Fact("若列车晚点 %d 分钟从甲站开出，区间运行和停站时间不变，到达丁站的时刻是几点几分？" % late, a,
                      [hm(arr[3] + late + 10), hm(arr[3] + late - 10), hm(arr[3]), hm(arr[3] + late + 60)],
                      "%s 加 %d 分钟 = %s" % (hm(arr[3]), late, a),
                      "列车晚点 %d 分钟开出时，到达丁站的时刻为 {v}" % late, ["040103000002"]))
    avg = F(D * 60, total)
    avs = rnd(avg, 1) + "千米/时"
    wr = [rnd(F(D * 60, run), 1) + "千米/时", rnd(avg + 5, 1) + "千米/时",
          rnd(avg - 5, 1) + "千米/时", rnd(avg + 10, 1) + "千米/时"]
    facts.append(Fact("按全程总用时（含停站）计算，列车全程平均速度约为多少千米/时？（保留一位小数）", avs, wr,
                      "%d ÷ (%d/60) ≈ %s" % (D, total, avs),
                      "按含停站的总用时计算，全程平均速度约为 {v}（保留一位小数）", ["060103000002"]))
    a = dur(segs[2][0])
    facts.append(Fact("列车从丙站到丁站运行了多长时间？", a,
                      [dur(segs[2][0] + 10), dur(segs[2][0] - 5), dur(segs[2][0] + 60),
                       dur(segs[2][0] + stops[1])],
                      "%s − %s = %s" % (hm(arr[3]), hm(dep[2]), a),
                      "列车从丙站到丁站运行了 {v}", ["040103000003"]))
    return Case(text, facts, ["060103000002", "040103000003"])


def case_meeting(rng, name):
    d0 = rand_date(rng, 2027, 2028)
    n = rng.randrange(3, 7)
    m = rng.randrange(2, 6)
    notice = d0 - dt.timedelta(days=rng.randrange(20, 90))
    reg = d0 - dt.timedelta(days=1)
    close = d0 + dt.timedelta(days=n - 1)
    tour_end = close + dt.timedelta(days=m)
    text = ("%s定于 %s 开幕，会期 %d 天（含开幕当天）；报到日为开幕前一天；"
            "闭幕次日起安排为期 %d 天的考察。会议通知于 %s（%s）发出。" % (
                name, ymd(d0), n, m, ymd(notice), WEEK[notice.weekday()]))
    facts = []

    def dwrong(d):
        return [ymd(d + dt.timedelta(days=k)) for k in (1, -1, 2)]
    facts.append(Fact("会议闭幕日期是哪一天？", ymd(close), dwrong(close),
                      "开幕当天算第 1 天，闭幕日为 %s + %d 天 = %s" % (ymd(d0), n - 1, ymd(close)),
                      "会议闭幕日期是 {v}", ["040102000004"]))
    W = WEEK[d0.weekday()]
    gap = (d0 - notice).days
    facts.append(Fact("开幕当天是星期几？", W, rng.sample([w for w in WEEK if w != W], 4),
                      "通知发出日是%s，到开幕日相差 %d 天，%d ÷ 7 = %d 余 %d，向后推 %d 天是%s" % (
                          WEEK[notice.weekday()], gap, gap, gap // 7, gap % 7, gap % 7, W),
                      "开幕当天是{v}", ["040101000002", "040101000001"]))
    Wc = WEEK[close.weekday()]
    facts.append(Fact("闭幕当天是星期几？", Wc, rng.sample([w for w in WEEK if w != Wc], 4),
                      "开幕日是%s，向后推 %d 天是%s" % (W, n - 1, Wc),
                      "闭幕当天是{v}", ["040101000003"]))
    facts.append(Fact("参会人员报到的日期是哪一天？", ymd(reg), dwrong(reg),
                      "开幕前一天：%s" % ymd(reg), "报到日期是 {v}", ["040102000004"]))
    total = (tour_end - reg).days + 1
    a, w = vals("天", total, [total - 1, total + 1, total - 2, n + m])
    facts.append(Fact("从报到日到考察结束日（首尾两天都计算在内）共多少天？", a, w,
                      "报到 1 天 + 会期 %d 天 + 考察 %d 天 = %s" % (n, m, a),
                      "从报到日到考察结束日（首尾两天都计算在内）共 {v}", ["040102000003"]))
    facts.append(Fact("考察结束的日期是哪一天？", ymd(tour_end), dwrong(tour_end),
                      "闭幕日 %s 再过 %d 天是 %s" % (ymd(close), m, ymd(tour_end)),
                      "考察结束的日期是 {v}", ["040102000004"]))
    a, w = vals("天", gap, [gap + 1, gap - 1, gap + 30, gap - 30 if gap > 31 else gap + 2])
    facts.append(Fact("开幕日期比通知发出日期晚多少天？", a, w,
                      "%s 到 %s 相差 %s" % (ymd(notice), ymd(d0), a),
                      "开幕日期比通知发出日期晚 {v}", ["040102000003"]))
    wk = sum(1 for i in range(n) if (d0 + dt.timedelta(days=i)).weekday() >= 5)
    a, w = vals("天", wk, [wk + 1, wk + 2, wk + 3, wk - 1 if wk > 0 else None], positive=False)
    if wk == 0:
        a, w = "0天", ["1天", "2天", "3天"]
    facts.append(Fact("会期（开幕日至闭幕日）中有几天是星期六或星期日？", a, w,
                      "会期各天依次为%s，其中星期六、星期日共 %s" % (
                          "、".join(WEEK[(d0 + dt.timedelta(days=i)).weekday()] for i in range(n)), a),
                      lambda v: ("会期中没有星期六或星期日" if v == "0天"
                                 else "会期中星期六或星期日共有 " + v), ["040101000001"]))
    return Case(text, facts, ["040102000004", "040101000001"])


def case_questions(case, rng, plan):
    """plan: list of type codes (61 or 66) for the case's questions."""
    out = []
    used61 = set()
    for t in plan:
        for _ in range(100):
            try:
                if t == 61:
                    f = rng.choice([f for i, f in enumerate(case.facts) if i not in used61])
                    used61.add(case.facts.index(f))
                    q = single_from_fact(f, rng, "根据上述资料，" + f.q)
                else:
                    k = rng.choice([4, 5])
                    facts = rng.sample(case.facts, k)
                    q = multi_from_facts(facts, rng, 66, "根据上述资料，下列说法正确的有（ ）。")
                if any(o["stem"] == q["stem"] and o.get("options") == q.get("options") for o in out):
                    raise Retry()
                break
            except Retry:
                continue
        q["type"] = t
        out.append(q)
    return out


# ---- 64 case analyses (05) ----------------------------------------------

def case64_invest(rng):
    P = rng.choice(range(20, 201, 10))
    b = rng.choice([40, 50, 60, 80])
    r = rng.choice([F(4), F(9, 2), F(5), F(6)])
    n = rng.choice([3, 4, 5])
    s = rng.choice(range(8, 61, 2))
    g = rng.choice([5, 10, 20])
    B = P * F(b, 100)
    I = B * r / 100 * n
    text = ("示例公司丙计划购入一台设备，价款 %d 万元，预计使用 %d 年，每年可节约成本 %d 万元。"
            "购置资金中 %d%% 向银行借款，年利率 %s%%，按单利计息，期限 %d 年，到期一次还本付息。"
            % (P, n, s, b, num(r), n))
    save = s * n
    cost = P + I
    verdict = "节约额大于设备价款与利息之和，在不考虑其他因素时投资划算" if save > cost else (
        "节约额小于设备价款与利息之和，在不考虑其他因素时投资不划算" if save < cost else
        "节约额恰好等于设备价款与利息之和，在不考虑其他因素时收支持平")
    three = s * (1 + F(100 + g, 100) + F(100 + g, 100) ** 2)
    qs = [
        ("计算该公司需向银行借款的金额和借款期内应付的利息总额，并说明计算过程。",
         "<b>借款金额：</b>%d × %d%% = %s 万元。<br><b>利息总额：</b>%s × %s%% × %d = %s 万元。"
         "<br><b>说明：</b>单利只对本金计息，利息 = 本金 × 年利率 × 年数。" % (P, b, num(B), num(B), num(r), n, num(I)),
         ["020101000001", "010101000002"]),
        ("计算设备使用期内累计节约的成本，并与设备价款加借款利息之和比较，说明该投资是否划算（不考虑其他因素）。",
         "<b>累计节约：</b>%d × %d = %d 万元。<br><b>价款加利息：</b>%d + %s = %s 万元。<br><b>结论：</b>%s。"
         % (s, n, save, P, num(I), num(cost), verdict),
         ["060102000001", "020101000001"]),
        ("若每年节约的成本比上一年增长 %d%%（第一年为 %d 万元），计算前三年累计节约的成本，并说明计算方法。" % (g, s),
         "<b>方法：</b>逐年按上一年的 (1 + %d%%) 倍计算后求和。<br><b>计算：</b>第一年 %d 万元，第二年 %s 万元，"
         "第三年 %s 万元，合计 %s 万元。" % (g, s, num(s * F(100 + g, 100)), num(s * F(100 + g, 100) ** 2), num(three)),
         ["020103000002"]),
    ]
    return text, qs


def case64_shop(rng):
    months = ["1月", "2月", "3月", "4月", "5月", "6月"]
    for _ in range(500):
        xs = [rng.randrange(20, 81) for _ in range(6)]
        if sum(xs) % 6 == 0 and len(set(xs)) == 6:
            break
    cr = rng.choice([55, 60, 65, 70])
    text = ("示例书店 2026 年上半年各月营业额（单位：万元）为：%s。该书店的成本约占营业额的 %d%%。"
            % ("，".join("%s %d" % (months[i], xs[i]) for i in range(6)), cr))
    S = sum(xs)
    best = max(range(6), key=lambda i: xs[i])
    worst = min(range(6), key=lambda i: xs[i])
    gp = S * F(100 - cr, 100)
    ups = [i for i in range(1, 6) if xs[i] > xs[i - 1]]
    qs = [
        ("计算该书店上半年营业额合计与月平均营业额，并指出营业额最高和最低的月份。",
         "<b>合计：</b>%s = %d 万元。<br><b>月平均：</b>%d ÷ 6 = %d 万元。<br><b>最高：</b>%s（%d 万元）；"
         "<b>最低：</b>%s（%d 万元）。" % (" + ".join(map(str, xs)), S, S, S // 6, months[best], xs[best],
                                      months[worst], xs[worst]),
         ["060101000001"]),
        ("按成本占营业额 %d%% 计算，上半年毛利（营业额 − 成本）是多少万元？请写出计算过程。" % cr,
         "<b>计算：</b>毛利 = 营业额 × (1 − %d%%) = %d × %d%% = %s 万元。<br><b>说明：</b>成本 %s 万元，%d − %s = %s 万元。"
         % (cr, S, 100 - cr, num(gp), num(S * F(cr, 100)), S, num(S * F(cr, 100)), num(gp)),
         ["010101000002", "010103000002"]),
        ("逐月比较营业额，指出哪些月份比上月增长，并计算营业额最高月份比最低月份多百分之几（保留一位小数）。",
         "<b>比上月增长的月份：</b>%s。<br><b>计算：</b>(%d − %d) ÷ %d × 100%% ≈ %s%%。"
         % ("、".join(months[i] for i in ups) if ups else "无", xs[best], xs[worst], xs[worst],
            rnd(F((xs[best] - xs[worst]) * 100, xs[worst]), 1)),
         ["020103000001", "020103000003"]),
    ]
    return text, qs


def standalone64(rng, leaf):
    if leaf == "050201":
        while True:
            x = rng.randrange(20, 61)
            k = rng.choice([2, 3])
            d = rng.randrange(1, 10)
            y = k * x - d
            if (y - x) % 2 == 0:
                break
        T = x + y
        stem = ("【案例】示例工厂甲、乙两个车间共有工人 %d 人，乙车间人数比甲车间人数的 %d 倍少 %d 人。"
                "要求：（1）列方程求甲、乙两车间各有多少人；（2）若从乙车间调若干人到甲车间后两车间人数相等，"
                "应调多少人？" % (T, k, d))
        part2 = "两车间相差 %d − %d = %d 人，应调 %d ÷ 2 = %d 人。" % (
            y, x, y - x, y - x, (y - x) // 2)
        jx = ("<b>（1）</b>设甲车间有 x 人，则乙车间有 (%dx − %d) 人。x + %dx − %d = %d，%dx = %d，x = %d；"
              "乙车间 %d × %d − %d = %d 人。<br><b>（2）</b>%s" % (
                  k, d, k, d, T, k + 1, T + d, x, k, x, d, y, part2))
        return stem, jx, ["060102000004"]
    if leaf == "050202":
        N = rng.randrange(100, 401)
        a = rng.choice([60, 80, 100, 120])
        b = rng.choice([30, 40, 50])
        c = rng.randrange(10, N)
        M = a * c + b * (N - c)
        stem = ("【案例】示例剧场某场演出共售出成人票和儿童票 %d 张，成人票每张 %d 元，儿童票每张 %d 元，"
                "票款收入共 %d 元。要求：（1）用假设法求成人票和儿童票各售出多少张；（2）说明假设法的思路。"
                % (N, a, b, M))
        jx = ("<b>（1）</b>假设全是儿童票，收入 %d × %d = %d 元，比实际少 %d − %d = %d 元；每张成人票比儿童票多 %d 元，"
              "成人票 %d ÷ %d = %d 张，儿童票 %d − %d = %d 张。<br><b>（2）</b>先假设全部是同一种，"
              "再用实际与假设的差除以单价差，求出另一种的数量。" % (
                  N, b, N * b, M, N * b, M - N * b, a - b, M - N * b, a - b, c, N, c, N - c))
        return stem, jx, ["060102000005"]
    # 050302: compare pack prices
    packs = []
    for name in ("甲", "乙", "丙"):
        while True:
            cnt = rng.choice([6, 8, 10, 12, 15, 20, 24])
            unit = F(rng.randrange(40, 90), 20)
            price = cnt * unit
            if price.denominator in (1, 2, 5, 10) and (price * 10).denominator == 1:
                if all(unit != p[2] for p in packs):
                    packs.append((name, cnt, unit, price))
                    break
    stem = ("【案例】示例超市同一种饮料有三种包装：%s。要求：（1）分别计算三种包装每瓶的价格；"
            "（2）说明哪种包装最划算。" % "；".join("%s装 %d 瓶售 %s 元" % (p[0], p[1], num(p[3])) for p in packs))
    best = min(packs, key=lambda p: p[2])
    jx = ("<b>（1）</b>%s。<br><b>（2）</b>每瓶价格最低的是%s装（每瓶 %s 元），最划算。" % (
        "；".join("%s装：%s ÷ %d = %s 元/瓶" % (p[0], num(p[3]), p[1], num(p[2])) for p in packs),
        best[0], num(best[2])))
    return stem, jx, ["060103000003", "060102000001"]


# ---------------------------------------------------------------- content

def T(name, method, pts, gen):
    return Topic(name, method, pts, gen)


TOPICS = {
    "100101": T("求一个数的百分之几", "用这个数乘百分率，即“单位 1 的量 × 百分率 = 对应量”", ["010101000002"], g_pct_of),
    "100102": T("求一个数是另一个数的百分之几", "用前一个数除以后一个数，再乘 100%", ["010101000003"], g_pct_rate),
    "100103": T("百分数与分数、小数互化", "分数先化成小数，小数点向右移动两位并添上百分号", ["010101000004", "010101000001"], g_pct_conv),
    "100201": T("按比例分配", "先求总份数，再用总量乘各部分所占的分率", ["010102000002", "010102000001"], g_ratio),
    "100202": T("用比例尺求实际距离", "实际距离 = 图上距离 ÷ 比例尺，注意厘米与千米的换算", ["010102000003"], g_scale),
    "100301": T("解答打折问题", "几折就是百分之几十，售价 = 标价 × 折扣", ["010103000001"], g_discount),
    "100302": T("解答利润率问题", "利润 = 售价 − 进价，利润率 = 利润 ÷ 进价 × 100%", ["010103000002"], g_profit),
    "110101": T("计算单利利息", "利息 = 本金 × 利率 × 存期", ["020101000001"], g_simple_interest),
    "110102": T("计算本息和", "本息和 = 本金 + 利息，存期按月时年利率要除以 12", ["020101000002"], g_simple_total),
    "110201": T("计算复利本息和", "本息和 = 本金 × (1 + 年利率)<sup>年数</sup>", ["020102000001"], g_compound),
    "110202": T("比较复利与单利利息", "分别算出复利利息与单利利息再相减；两年期的差额等于本金 × 利率<sup>2</sup>", ["020102000002"], g_compound_vs),
    "110301": T("计算增长率", "增长率 = (现期量 − 基期量) ÷ 基期量 × 100%", ["020103000001"], g_growth_rate),
    "110302": T("计算连续增长后的数量", "连续增长时逐年相乘：基期量 × (1 + 第一年增长率) × (1 + 第二年增长率)", ["020103000002"], g_growth_chain),
    "120101": T("计算长方形与正方形的周长和面积", "长方形面积 = 长 × 宽，周长 = (长 + 宽) × 2；正方形面积 = 边长 × 边长", ["030101000001"], g_rect),
    "120102": T("计算三角形与梯形面积", "三角形面积 = 底 × 高 ÷ 2；梯形面积 = (上底 + 下底) × 高 ÷ 2", ["030101000002"], g_tri_trap),
    "120103": T("计算圆的周长和面积", "圆周长 = 2πr，圆面积 = πr<sup>2</sup>", ["030101000004"], g_circle),
    "120201": T("进行长度与面积单位换算", "大单位化小单位乘进率，小单位化大单位除以进率", ["030102000001"], lambda r: conv_fact(r, LEN_AREA)),
    "120202": T("进行质量与容积单位换算", "相邻质量单位、容积单位之间的进率多为 1000，1 立方分米 = 1 升", ["030102000003"], lambda r: conv_fact(r, MASS_VOL)),
    "040101": T("计算收支余额", "期末余额 = 期初余额 + 本期收入 − 本期支出", ["060101000004"], g_balance),
    "040102": T("计算总价", "总价 = 单价 × 数量，几种商品分别计算后相加", ["060103000003"], g_unit_price),
    "040201": T("求平均数", "平均数 = 数据总和 ÷ 数据个数", ["060101000001"], g_mean),
    "040202": T("求中位数与众数", "中位数是排序后居中的数，众数是出现次数最多的数", ["060101000003"], g_median_mode),
    "040301": T("解答工程问题", "把工作总量看作 1，合作时间 = 1 ÷ 工作效率之和", ["060103000001"], g_work),
    "040302": T("解答行程问题", "路程 = 速度 × 时间，相遇时间 = 路程 ÷ 速度和", ["060103000002"], g_travel),
    "050101": T("进行整数四则混合运算", "先乘除、后加减，有括号先算括号内，同级运算从左往右", ["060102000002"], g_int_arith),
    "050102": T("进行分数运算", "加减先通分，乘法分子分母分别相乘，除法乘倒数，结果约成最简分数", ["060102000003"], g_frac),
    "050201": T("列方程解题", "设未知数、找等量关系、列方程、解方程并检验", ["060102000004"], g_linear),
    "050202": T("解答鸡兔同笼问题", "假设全是鸡，用脚数差除以每只的脚数差求兔的只数", ["060102000005"], g_chicken),
    "050301": T("求加权平均数", "加权平均数 = 各组总量之和 ÷ 总个数", ["060101000002"], g_weighted),
    "050302": T("比较数的大小", "把分数、百分数统一化成小数后再比较", ["010101000004"], g_compare),
    "070101": PropertyTopic("判断奇偶与整除", "个位是 0、2、4、6、8 的是偶数；各位数字之和能被 3（9）整除，"
                            "这个数就能被 3（9）整除；末两位能被 4 整除，这个数就能被 4 整除；个位是 0 或 5 的数能被 5 整除",
                            ["050101000001", "050101000002"], PARITY_PROPS, (10, 1000)),
    "070102": PropertyTopic("判断质数与合数", "只有 1 和它本身两个因数的数是质数；用不大于它平方根的质数依次去除，"
                            "都不能整除就是质数；1 既不是质数也不是合数",
                            ["050101000003"], PRIME_PROPS, (1, 150)),
    "070201": T("找数列规律", "观察相邻两项的差或比，或看各项与序号的关系", ["050102000001"], g_sequence),
    "070202": HandTopic("命题推理", "", ["050103000001", "050103000002", "050103000003"],
                        LOGIC_SINGLES, LOGIC_STATEMENTS, LOGIC_SUBJ),
    "070301": HandTopic("自然常识", "", ["050104000001", "050104000002", "050104000003"],
                        NATURE_SINGLES, NATURE_STATEMENTS, NATURE_SUBJ),
    "070302": LeapTopic("判断闰年", "公历年份能被 4 整除但不能被 100 整除的是闰年，能被 400 整除的也是闰年，其余为平年",
                        ["040102000001"], CAL_PROPS, (1600, 2401), g_year_days),
    "080101": T("推算某日是星期几", "先求与已知日期相差的天数，再除以 7，按余数向后推", ["040101000002"], g_weekday),
    "080102": T("推算若干天后是星期几", "天数除以 7，按余数推算，向后加、向前减", ["040101000003"], g_weekday_after),
    "080201": T("计算日期间隔", "分段计算：起始月剩余天数 + 中间整月天数 + 终止月天数，注意闰年 2 月", ["040102000003"], g_days_between),
    "080202": T("推算若干天后的日期", "逐月扣减天数，注意各月天数不同", ["040102000004"], g_date_after),
    "080301": T("进行时、分、秒换算", "1 小时 = 60 分，1 分 = 60 秒，大单位化小单位乘 60", ["040103000001"], g_time_conv),
    "080302": T("计算经过时间", "经过时间 = 结束时刻 − 开始时刻，分钟不够减时借 1 小时作 60 分", ["040103000003"], g_clock),
}
TOPICS["070202"].multi_stem = "下列推理或判断中，正确的有（ ）。"
TOPICS["070301"].multi_stem = "下列说法中，正确的有（ ）。"
TOPICS["050302"].multi_stem = "下列说法中，正确的有（ ）。"
TOPICS["070201"].multi_stem = "下列关于数列规律的说法中，正确的有（ ）。"
for code in ("080101", "080102", "080201", "080202"):
    TOPICS[code].multi_stem = "下列关于日期的说法中，正确的有（ ）。"
for code in ("080301", "080302", "120201", "120202"):
    TOPICS[code].multi_stem = "下列换算或计算中，正确的有（ ）。"

# Chapter tree: (code, name, children) ; 1-char rows also carry a heading label.
TREE = [
    ("1", "示例题库·科目一 综合知识", [
        ("10", "第一章 百分数与比例", [
            ("1001", "第一节 百分数计算", [("100101", "求一个数的百分之几"), ("100102", "求百分率"),
                                      ("100103", "百分数的互化")]),
            ("1002", "第二节 比和比例", [("100201", "按比例分配"), ("100202", "比例尺")]),
            ("1003", "第三节 折扣与利润", [("100301", "折扣"), ("100302", "利润率")]),
        ]),
        ("11", "第二章 利息与增长", [
            ("1101", "第一节 单利", [("110101", "单利利息"), ("110102", "本息和")]),
            ("1102", "第二节 复利", [("110201", "复利本息和"), ("110202", "复利与单利比较")]),
            ("1103", "第三节 增长率", [("110301", "增长率"), ("110302", "连续增长")]),
        ]),
        ("12", "第三章 面积与单位", [
            ("1201", "第一节 平面图形面积", [("120101", "长方形与正方形"), ("120102", "三角形与梯形"),
                                        ("120103", "圆")]),
            ("1202", "第二节 单位换算", [("120201", "长度与面积单位"), ("120202", "质量与容积单位")]),
        ]),
    ]),
    ("2", "示例题库·科目一 案例资料", [
        ("20", "第一章 企业数据案例", [
            ("2001", "第一节 销售数据", [("200101", "季度销售"), ("200102", "成本与利润")]),
            ("2002", "第二节 人员数据", [("200201", "部门人数"), ("200202", "工资统计")]),
        ]),
        ("21", "第二章 时刻与日程案例", [
            ("2101", "第一节 列车时刻表", [("210101", "运行时间"), ("210102", "速度与里程")]),
            ("2102", "第二节 会议日程", [("210201", "会期推算"), ("210202", "日程安排")]),
        ]),
    ]),
    ("04", "示例题库·实务基础", [
        ("0401", "第一节 收支与价格", [("040101", "收支与余额"), ("040102", "单价与总价")]),
        ("0402", "第二节 统计基础", [("040201", "平均数"), ("040202", "中位数与众数")]),
        ("0403", "第三节 工程与行程", [("040301", "工程问题"), ("040302", "行程问题")]),
    ]),
    ("05", "示例题库·计算与分析", [
        ("0501", "第一节 四则运算", [("050101", "整数四则运算"), ("050102", "分数运算")]),
        ("0502", "第二节 方程应用", [("050201", "一元一次方程"), ("050202", "鸡兔同笼")]),
        ("0503", "第三节 综合分析", [("050301", "案例分析"), ("050302", "数据比较")]),
    ]),
    ("07", "示例题库·逻辑与常识", [
        ("0701", "第一节 数的性质", [("070101", "奇偶与整除"), ("070102", "质数与合数")]),
        ("0702", "第二节 推理", [("070201", "数列规律"), ("070202", "命题推理")]),
        ("0703", "第三节 常识", [("070301", "自然常识"), ("070302", "历法常识")]),
    ]),
    ("08", "示例题库·日期与时间", [
        ("0801", "第一节 星期推算", [("080101", "某日是星期几"), ("080102", "若干天后是星期几")]),
        ("0802", "第二节 日期间隔", [("080201", "相隔天数"), ("080202", "推算日期")]),
        ("0803", "第三节 时间换算", [("080301", "时分秒换算"), ("080302", "经过时间")]),
    ]),
]

SUBJECT_JX = {
    "1": "示例题库的综合知识部分，内容为模板生成的计算题，仅供演示。",
    "2": "示例题库的案例资料部分，每道案例包含一段共用资料和若干小题，仅供演示。",
}


def short(name):
    """Name without the "示例题库·" prefix or the 第x章/第x节 label."""
    name = name.split("·", 1)[-1]
    if name.startswith("第") and " " in name:
        name = name.split(" ", 1)[1]
    return name


SUBJECT_LABEL = {"1": "科目一", "2": "案例资料"}


def build_chapters():
    """Chapter rows in tree order; bh is a running key (parent before children)."""
    rows = []
    order = [0]

    def bh():
        order[0] += 1
        return "%04d" % order[0]

    for code, name, kids in TREE:
        if len(code) == 1:
            label = SUBJECT_LABEL[code]
            rows.append(dict(C1=code, C2=name, C1_1="科目一 › " + name.split(" ", 1)[1],
                             C7="1", bh=bh(), jx=SUBJECT_JX[code]))
            chapters = kids
        else:
            label = "专项"
            chapters = [(code, name, kids)]
        for c2, n2, secs in chapters:
            if len(code) == 1:
                rows.append(dict(C1=c2, C2=n2, C1_1="%s › %s" % (label, n2), C7="0", bh=bh()))
                head = "%s › %s" % (label, n2.split(" ", 1)[0])
            else:
                rows.append(dict(C1=c2, C2=n2, C1_1="%s › %s" % (label, short(n2)), C7="0", bh=bh()))
                head = "%s › %s" % (label, short(n2))
            for c4, n4, leaves in secs:
                rows.append(dict(C1=c4, C2=n4, C1_1="%s › %s" % (head, n4), C7="0", bh=bh()))
                for c6, n6 in leaves:
                    rows.append(dict(C1=c6, C2=n6, C1_1="%s › %s › %s" % (head, short(n4), n6),
                                     C7="1", bh=bh()))
    # Kept for the browser's hidden-row handling; never holds questions.
    rows.append(dict(C1="xx", C2="（隐藏行）", C1_1="（隐藏行）", C7="1", bh="9999"))
    return rows


CATALOGUE = [
    ("01", "百分数与比例", [
        ("010101", "百分数的意义与计算", [
            ("百分数的意义", "表示一个数是另一个数的百分之几的数叫做百分数，也叫百分率或百分比。百分数只表示两个数的倍比关系，"
             "后面不写单位。<br>例如 45% 读作“百分之四十五”，表示 45/100。"),
            ("求一个数的百分之几", "求一个数的百分之几是多少，用乘法：<b>单位 1 的量 × 百分率 = 对应量</b>。"
             "<br>例如 200 的 15% 是 200 × 0.15 = 30。"),
            ("求一个数是另一个数的百分之几", "用除法：<b>比较量 ÷ 单位 1 的量 × 100%</b>。完成率、合格率、出勤率等都按此计算。"
             "<br>例如 18 是 24 的 18 ÷ 24 × 100% = 75%。"),
            ("百分数与小数、分数的互化", "小数化百分数：小数点向右移动两位，添上百分号；百分数化小数：去掉百分号，小数点向左移动两位。"
             "<br>分数化百分数：先把分数化成小数（除不尽时一般保留三位小数），再化成百分数。"),
            ("学习提示：百分数常见错误", "常见错误有三类：找错单位 1、把“增加了百分之几”与“增加到百分之几”混淆、"
             "以及小数点移动方向弄反。<br>做题时先确定谁是单位 1，再决定用乘法还是除法。"),
        ]),
        ("010102", "比与比例", [
            ("比的基本性质", "比的前项和后项同时乘或除以相同的数（0 除外），比值不变。利用这一性质可以把比化成最简整数比。"
             "<br>例如 12:18 = 2:3。"),
            ("按比例分配", "把一个数量按照一定的比来分配：先求出总份数，再求各部分占总数的几分之几，最后用总数乘这个分率。"
             "<br>例如把 100 按 2:3 分配，得 40 和 60。"),
            ("比例尺", "<b>图上距离 : 实际距离 = 比例尺</b>。数值比例尺 1:50000 表示图上 1 厘米代表实际 50000 厘米，即 0.5 千米。"
             "<br>计算时注意 1 千米 = 100000 厘米。"),
        ]),
        ("010103", "折扣与利润", [
            ("折扣", "商品打几折，就是按原价的百分之几十出售。八折即 80%，八五折即 85%。<br><b>售价 = 原价 × 折扣</b>。"),
            ("利润与利润率", "<b>利润 = 售价 − 成本（进价）</b>，<b>利润率 = 利润 ÷ 成本 × 100%</b>。"
             "<br>已知成本和利润率求售价：售价 = 成本 × (1 + 利润率)。"),
            ("连续打折", "连续打折时折扣要相乘而不是相加。例如先打九折再打八折，相当于打 0.9 × 0.8 = 0.72，即七二折。"),
        ]),
    ]),
    ("02", "利息与增长", [
        ("020101", "单利", [
            ("单利利息公式", "单利只按本金计算利息，前期的利息不再计息。<br><b>利息 = 本金 × 利率 × 存期</b>。"),
            ("本息和", "到期时取回的钱叫本息和：<b>本息和 = 本金 + 利息</b>。"),
            ("年利率与月利率", "利率通常按年给出。存期以月计时，把年利率除以 12 得月利率，或把月数除以 12 化成年。"
             "<br>例如年利率 3%、存 6 个月，利息 = 本金 × 3% × 6/12。"),
        ]),
        ("020102", "复利", [
            ("复利本息和", "复利把每期的利息计入下一期本金，俗称“利滚利”。<br><b>本息和 = 本金 × (1 + 利率)<sup>期数</sup></b>。"),
            ("复利与单利的比较", "期数大于 1 时，同样的本金和利率，复利利息大于单利利息。"
             "两年期时二者相差 本金 × 利率<sup>2</sup>。"),
            ("估算翻倍时间的“72 法则”", "粗略估算时，本金按年复利翻一番大约需要 72 ÷ (年利率的百分数值) 年。"
             "<br>例如年利率 6%，约 12 年翻一番。这只是近似方法。"),
        ]),
        ("020103", "增长率", [
            ("增长率与下降率", "<b>增长率 = (现期量 − 基期量) ÷ 基期量 × 100%</b>；现期量小于基期量时得到下降率。"
             "<br>注意分母是基期量（原来的量）。"),
            ("连续增长", "连续几年增长时，各年增长率不能简单相加，应依次相乘：现期量 = 基期量 × (1 + r<sub>1</sub>) × (1 + r<sub>2</sub>)。"),
            ("增长量与增长率的区别", "增长量是绝对数（现期量 − 基期量，带单位）；增长率是相对数（百分数，不带单位）。"
             "增长量大的，增长率不一定大。"),
        ]),
    ]),
    ("03", "面积与单位", [
        ("030101", "平面图形", [
            ("长方形与正方形", "<b>长方形面积 = 长 × 宽</b>，周长 = (长 + 宽) × 2；<b>正方形面积 = 边长 × 边长</b>，周长 = 边长 × 4。"),
            ("三角形面积", "<b>三角形面积 = 底 × 高 ÷ 2</b>。等底等高的三角形面积是平行四边形的一半。"),
            ("梯形面积", "<b>梯形面积 = (上底 + 下底) × 高 ÷ 2</b>。两个完全一样的梯形可以拼成一个平行四边形。"),
            ("圆的周长与面积", "<b>圆周长 = 2πr = πd</b>，<b>圆面积 = πr<sup>2</sup></b>。题目未说明时 π 常取 3.14。"),
            ("周长与面积的区别", "周长是围成图形一周的长度，用长度单位；面积是图形所占平面的大小，用面积单位。"
             "二者不能比较大小。"),
        ]),
        ("030102", "单位换算", [
            ("长度单位", "1 千米 = 1000 米，1 米 = 10 分米 = 100 厘米 = 1000 毫米。"),
            ("面积单位", "1 平方千米 = 100 公顷，1 公顷 = 10000 平方米，1 平方米 = 100 平方分米 = 10000 平方厘米。"),
            ("质量单位", "1 吨 = 1000 千克，1 千克 = 1000 克。"),
            ("容积与体积单位", "1 立方米 = 1000 立方分米，1 立方分米 = 1000 立方厘米；1 升 = 1 立方分米，1 毫升 = 1 立方厘米，1 升 = 1000 毫升。"),
            ("学习提示：换算时先定进率", "换算前先确定两个单位之间的进率：长度相邻单位多为 10，面积为 100，体积为 1000。"
             "大单位化小单位乘进率，小单位化大单位除以进率。"),
        ]),
    ]),
    ("04", "日期推算", [
        ("040101", "星期推算", [
            ("星期的循环", "星期每 7 天循环一次。相差的天数是 7 的倍数时，星期相同。"),
            ("参照日期法", "已知某一天是星期几，先求目标日期与它相差的天数，再除以 7，按余数向后（或向前）推算。"),
            ("余数的运用", "n 天后是星期几，只看 n 除以 7 的余数：余 1 向后推 1 天，余 0 星期不变。"),
        ]),
        ("040102", "日期间隔", [
            ("闰年规则", "公历年份能被 4 整除但不能被 100 整除的是闰年；能被 400 整除的也是闰年。"
             "<br>闰年 2 月有 29 天，全年 366 天；平年 2 月有 28 天，全年 365 天。"),
            ("各月天数", "1、3、5、7、8、10、12 月各 31 天；4、6、9、11 月各 30 天；2 月 28 天或 29 天。"),
            ("日期间隔的计算", "两日期相差的天数可分段计算：起始月剩余天数 + 中间各整月天数 + 终止月的日数。"
             "<br>若题目要求“首尾两天都算”，再加 1。"),
            ("推算若干天后的日期", "从起始日逐月扣减：先算到月底还剩几天，再跨入下月，直到剩余天数不足一个月。"),
        ]),
        ("040103", "时间换算", [
            ("时、分、秒的换算", "1 小时 = 60 分，1 分 = 60 秒，1 小时 = 3600 秒。时间单位之间是六十进制。"),
            ("24 时计时法", "一天从 0 时到 24 时。下午 3 时用 24 时计时法表示为 15:00。"),
            ("经过时间的计算", "<b>经过时间 = 结束时刻 − 开始时刻</b>。分钟不够减时从小时借 1，当作 60 分钟。"),
        ]),
    ]),
    ("05", "逻辑判断", [
        ("050101", "数的性质", [
            ("奇数与偶数", "能被 2 整除的整数是偶数，不能被 2 整除的整数是奇数。看个位即可判断。"),
            ("整除的特征", "个位是 0、2、4、6、8 的数能被 2 整除；个位是 0 或 5 的数能被 5 整除；各位数字之和能被 3（或 9）整除，"
             "这个数就能被 3（或 9）整除；末两位能被 4 整除，这个数就能被 4 整除。"),
            ("质数与合数", "只有 1 和它本身两个因数的数叫质数；除了 1 和它本身还有别的因数的数叫合数。1 既不是质数也不是合数。"
             "<br>2 是最小的质数，也是唯一的偶质数。"),
            ("公因数与公倍数", "几个数公有的因数叫公因数，其中最大的叫最大公因数；公有的倍数叫公倍数，其中最小的叫最小公倍数。"),
        ]),
        ("050102", "数列规律", [
            ("等差数列", "从第二项起，每一项与前一项的差都相等的数列叫等差数列，这个差叫公差。"),
            ("等比数列", "从第二项起，每一项与前一项的比都相等的数列叫等比数列，这个比叫公比。"),
            ("其他常见数列", "常见的还有平方数列（1、4、9、16……）、前两项相加得下一项的数列（1、1、2、3、5……），"
             "以及相邻差成等差数列的数列。"),
        ]),
        ("050103", "命题推理", [
            ("三段论", "三段论由大前提、小前提和结论组成。例如：所有 M 都是 P，S 是 M，所以 S 是 P。"),
            ("逆否命题", "命题“如果 p，那么 q”的逆命题是“如果 q，那么 p”，否命题是“如果非 p，那么非 q”，"
             "逆否命题是“如果非 q，那么非 p”。<br>原命题与逆否命题同真同假。"),
            ("充分条件与必要条件", "若由 p 能推出 q，则 p 是 q 的充分条件，q 是 p 的必要条件。"
             "“只有 p，才 q”表示 p 是 q 的必要条件。"),
        ]),
        ("050104", "常识", [
            ("自然科学常识", "在一个标准大气压下，水的沸点是 100 ℃、凝固点是 0 ℃；声音传播需要介质；真空中光速约为每秒 30 万千米。"),
            ("地理与天文常识", "太阳系八大行星由近及远为水星、金星、地球、火星、木星、土星、天王星、海王星。"
             "地球自西向东自转，太阳东升西落。"),
            ("生物常识", "植物通过光合作用吸收二氧化碳、释放氧气。鲸、蝙蝠属于哺乳动物；昆虫成虫有 6 条足，蜘蛛有 8 条足，不是昆虫。"),
        ]),
    ]),
    ("06", "综合案例", [
        ("060101", "数据汇总", [
            ("求和与平均数", "<b>平均数 = 总和 ÷ 个数</b>。求平均数前先核对数据个数。"),
            ("加权平均数", "各组人数不同时，总平均数 = 各组总量之和 ÷ 总人数，不能直接把各组平均数再平均。"),
            ("中位数与众数", "把数据从小到大排列，居中的数（个数为偶数时取中间两数的平均数）叫中位数；出现次数最多的数叫众数。"),
            ("收支与余额", "<b>期末余额 = 期初余额 + 本期收入 − 本期支出</b>。利润 = 收入 − 成本。"),
        ]),
        ("060102", "解题方法", [
            ("审题与列式", "先读懂题目给出的条件和要求，找出数量关系，再列出算式或方程。计算后把结果代回题目检验。"),
            ("运算顺序", "先乘除、后加减；有括号先算括号里面的；同一级运算从左往右依次计算。"),
            ("分数运算", "异分母分数相加减先通分；分数乘法分子乘分子、分母乘分母；除以一个数等于乘这个数的倒数。结果要约分。"),
            ("列方程解应用题", "步骤：设未知数，找等量关系，列方程，解方程，检验并作答。"),
            ("假设法（鸡兔同笼）", "假设全部是同一种，算出与实际的差，再除以每只之间的差，得到另一种的数量。"),
        ]),
        ("060103", "工程与行程", [
            ("工程问题", "把工作总量看作 1，工作效率 = 1 ÷ 单独完成时间，<b>合作时间 = 1 ÷ 效率之和</b>。"),
            ("行程问题", "<b>路程 = 速度 × 时间</b>；相向而行的相遇时间 = 路程 ÷ 速度和；平均速度 = 总路程 ÷ 总时间。"),
            ("单价、数量与总价", "<b>总价 = 单价 × 数量</b>，单价 = 总价 ÷ 数量。比较包装是否划算时比较单价。"),
            ("学习提示：画线段图", "行程和分配问题可以画线段图表示数量关系，先画已知量，再标出所求量，有助于找到等量关系。"),
        ]),
    ]),
]


def build_catalogue():
    cat, pts = [], []
    order = 0
    for cid, cname, nodes in CATALOGUE:
        order += 1
        cat.append(dict(id=cid, n=cname, bh="%04d" % order))
        for nid, nname, items in nodes:
            assert nid[:2] == cid
            order += 1
            cat.append(dict(id=nid, n=nname, bh="%04d" % order))
            for i, (sn, text) in enumerate(items, 1):
                pts.append(dict(ftid="%s%06d" % (nid, i), sn=sn, n=text))
    return cat, pts


# ---------------------------------------------------------------- assembly

# Questions per area, per type (distributed over the area's leaves).
PLAN = {
    "10": {61: 30, 62: 17, 65: 20, 66: 8, 70: 3},
    "11": {61: 26, 62: 16, 65: 18, 66: 7, 70: 3},
    "12": {61: 26, 62: 13, 65: 20, 66: 7, 70: 2},
    "04": {61: 24, 62: 11, 65: 8, 66: 4, 70: 2},
    "05": {61: 33, 62: 21, 65: 12, 66: 4, 70: 3},
    "07": {61: 28, 62: 15, 65: 12, 66: 4, 70: 3},
    "08": {61: 20, 62: 12, 65: 7, 66: 4, 70: 2},
}

# Shared-stem cases under "2": (leaf, maker, title, plan of types)
CASES_2 = [
    ("200101", case_sales, "示例公司甲", [61, 66, 66]),
    ("200101", case_sales, "示例公司乙", [66, 66, 61, 66]),
    ("200102", case_sales, "示例商贸公司", [61, 66, 66, 66]),
    ("200201", case_staff, "示例科技公司", [61, 66, 66]),
    ("200202", case_staff, "示例咨询公司", [66, 61, 66, 66]),
    ("210101", case_train, "示例线路 K101 次列车", [61, 66, 66]),
    ("210101", case_train, "示例线路 K205 次列车", [66, 66]),
    ("210102", case_train, "示例线路 T306 次列车", [61, 66, 66, 66]),
    ("210201", case_meeting, "示例学会年会", [61, 66, 66]),
    ("210202", case_meeting, "示例行业研讨会", [66, 61, 66, 66, 66]),
]

CASES_64 = [("050301", case64_invest), ("050301", case64_shop)]
STANDALONE_64 = ["050201", "050202", "050302"]


def leaves_of(prefix):
    out = []

    def walk(nodes):
        for n in nodes:
            code = n[0]
            if len(n) == 2:
                if code.startswith(prefix):
                    out.append(code)
            else:
                walk(n[2])
    walk(TREE)
    return out


def cite(rng, pts):
    """Pick 0..3 knowledge points for a question (first one is the main one)."""
    r = rng.random()
    if r < 0.15 or not pts:
        return []
    primary = pts[0]
    others = [p for p in dict.fromkeys(list(pts[1:]) + [GENERAL_POINT]) if p != primary]
    if r < 0.55:
        return [primary]
    if r < 0.90:
        return [primary, rng.choice(others)]
    return [primary] + rng.sample(others, min(2, len(others)))


class Bank:
    def __init__(self, rng):
        self.rng = rng
        self.qn = {}   # leaf -> ordinary key counter
        self.xx = {}   # leaf -> order counter
        self.cn = {}   # leaf -> stem counter
        self.seen = set()

    def next_xx(self, leaf):
        self.xx[leaf] = self.xx.get(leaf, 0) + 1
        return self.xx[leaf]

    def entry(self, key, leaf, t, q, force_jx=False):
        e = dict(A1=key, A10=leaf, A13=t, xx=self.next_xx(leaf), stem=q["stem"])
        if q.get("options") is not None:
            e["options"] = q["options"]
        e["A2"] = q["A2"]
        k = cite(self.rng, q.get("pts") or [])
        if k:
            e["K"] = k
        if force_jx or t in (64, 70) or self.rng.random() < 0.8:
            e["jx"] = q["jx"]
        return e

    def ordinary(self, leaf, t, q):
        self.qn[leaf] = self.qn.get(leaf, 0) + 1
        return self.entry("Q%s%05d" % (leaf, self.qn[leaf]), leaf, t, q)

    def stem_key(self, leaf):
        self.cn[leaf] = self.cn.get(leaf, 0) + 1
        return "C%s%09d" % (leaf, self.cn[leaf])

    def make(self, topic, t):
        for _ in range(200):
            try:
                if t == 61:
                    q = topic.q61(self.rng)
                elif t == 62:
                    q = topic.q62(self.rng)
                elif t in (65, 66):
                    q = topic.qmulti(self.rng, t)
                else:
                    q = topic.q70(self.rng)
            except Retry:
                continue
            sig = (t, q["stem"], tuple(q.get("options") or ()))
            if sig in self.seen:
                continue
            self.seen.add(sig)
            return q
        raise RuntimeError("cannot make a new question for " + topic.name)


def area_questions(bank, area):
    leaves = leaves_of(area)
    plan = PLAN[area]
    per_leaf = {leaf: [] for leaf in leaves}
    i = 0
    for t in (61, 62, 65, 66, 70):
        for _ in range(plan.get(t, 0)):
            per_leaf[leaves[i % len(leaves)]].append(t)
            i += 1
    out = []
    for leaf in leaves:
        topic = TOPICS[leaf]
        for t in per_leaf[leaf]:
            out.append(bank.ordinary(leaf, t, bank.make(topic, t)))
    return out


def case2_content(bank):
    stems, qs = [], []
    for leaf, maker, title, plan in CASES_2:
        while True:
            try:
                case = maker(bank.rng, title)
                break
            except Retry:
                continue
        key = bank.stem_key(leaf)
        stems.append(dict(A1=key, A15=case.text))
        for n, q in enumerate(case_questions(case, bank.rng, plan), 1):
            qs.append(bank.entry("%s-%d" % (key, n), leaf, q["type"], q))
    return stems, qs


def case64_content(bank):
    stems, qs = [], []
    for leaf, maker in CASES_64:
        text, items = maker(bank.rng)
        key = bank.stem_key(leaf)
        stems.append(dict(A1=key, A15="【案例】" + text))
        for n, (stem, jx, pts) in enumerate(items, 1):
            qs.append(bank.entry("%s-%d" % (key, n), leaf, 64,
                                 dict(stem=stem, A2="1", jx=jx, pts=pts)))
    for leaf in STANDALONE_64:
        stem, jx, pts = standalone64(bank.rng, leaf)
        qs.append(bank.ordinary(leaf, 64, dict(stem=stem, A2="1", jx=jx, pts=pts)))
    return stems, qs


TYPES = {
    61: "单项选择题", 62: "判断题", 64: "案例分析题", 65: "多项选择题",
    66: "不定项选择题", 70: "简答题",
}


def type_row(code, b2, b3, time):
    return dict(A1=code, B1=TYPES[code], B2=b2, B3=b3, time=time)


def build_types():
    s23 = [type_row(61, 50, 1, 1.0), type_row(62, 30, 1, 0.5), type_row(65, 20, 1, 1.5)]
    return {
        "1": [type_row(61, 30, 1, 1.0), type_row(65, 40, 1, 1.5), type_row(66, 30, 1, 1.5)],
        "2": [dict(r) for r in s23],
        "3": [dict(r) for r in s23],
        "4": [type_row(70, 10, 10, 5.0)],
        "5": [type_row(64, 6, 15, 10.0)],
    }


def write(path, obj):
    with open(path, "w", encoding="utf-8") as fh:
        json.dump(obj, fh, ensure_ascii=False, indent=1)
        fh.write("\n")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.normpath(os.path.join(here, "..", "..", "resources", "bank"))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=default_out)
    args = ap.parse_args()

    rng = random.Random(SEED)
    bank = Bank(rng)
    catalogue, points = build_catalogue()
    head = dict(
        product=dict(cpbs="VELMARIN-SAMPLE-2027", sjbs="VELMARIN-SAMPLE-2027-BASE"),
        plan=dict(PlanMark=0, PlanAmount=50, PlanTime=60, ExamDate="2027-06-19",
                  LeastMark=60, ExamTime=7200),
        types=build_types(),
        chapters=build_chapters(),
        catalogue=catalogue,
        points=points,
    )
    files = [("00-bank.json", head)]
    q1 = []
    for area in ("10", "11", "12"):
        q1 += area_questions(bank, area)
    files.append(("10-questions-subject1.json", dict(questions=q1)))
    st2, q2 = case2_content(bank)
    files.append(("20-questions-cases.json", dict(stems=st2, questions=q2)))
    files.append(("30-questions-04-practice.json", dict(questions=area_questions(bank, "04"))))
    st5, q5 = case64_content(bank)
    files.append(("31-questions-05-calc.json",
                  dict(stems=st5, questions=area_questions(bank, "05") + q5)))
    files.append(("32-questions-07-logic.json", dict(questions=area_questions(bank, "07"))))
    files.append(("33-questions-08-dates.json", dict(questions=area_questions(bank, "08"))))

    os.makedirs(args.out, exist_ok=True)
    total = 0
    for name, obj in files:
        write(os.path.join(args.out, name), obj)
        n = len(obj.get("questions", []))
        total += n
        print("%-32s %4d questions" % (name, n))
    print("total %d questions" % total)


if __name__ == "__main__":
    main()
