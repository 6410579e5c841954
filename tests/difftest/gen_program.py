#!/usr/bin/env python3
"""Random Pascal programs for differential testing of kauc against Free Pascal.

    gen_program.py SEED [SIZE]     prints one program on standard output

The programs stay inside the part of the language where kauc and Free Pascal
(objfpc mode, short strings) must agree:
- integer values are kept far from the 32-bit limits (Free Pascal on x86_64
  computes in 64 bits and would not wrap where kauc does);
- reals stay small and are written only with a width and decimals;
- ROUND never sees an exact half; characters stay in printable ASCII;
- strings are never empty, so an index into one is always a real character;
- functions have no side effects, so the order in which operands are
  evaluated cannot show;
- every variable is set before it is read; a FOR control variable is read
  only inside its loop and its limits never change while it runs;
- every loop runs a bounded number of times.
The same seed gives the same program.
"""
import random
import sys

INT_LIMIT = 10**6          # bound of every integer variable
REAL_LIMIT = 10**4         # bound of every real variable
INT_EXPR_LIMIT = 2 * 10**9  # no integer expression goes beyond this
REAL_EXPR_LIMIT = 10**9

STRING_TYPES = {"STRING": 255, "STR8": 8, "STR20": 20}
ENUM_VALUES = ["E0", "E1", "E2", "E3"]
LETTERS = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
PUNCT = " .,;:!?-+*/=<>()[]#$%&"


class Var:
    """A declared name: kind is a scalar kind ('int', 'real', 'bool', 'char',
    'enum', 'str') or a composite one ('vec', 'mat', 'rec', 'strs')."""

    def __init__(self, name, kind, strtype=None, assignable=True, is_const=False):
        self.name = name
        self.kind = kind
        self.strtype = strtype      # for 'str': STRING, STR8 or STR20
        self.assignable = assignable
        self.is_const = is_const


class Routine:
    def __init__(self, name, is_function, result, params, depth):
        self.name = name
        self.is_function = is_function
        self.result = result        # (kind, strtype) of a function
        self.params = params        # list of (name, kind, strtype, by_ref)
        self.depth = depth
        self.cost = 1
        self.recursive = False


class Scope:
    def __init__(self, parent, routine):
        self.parent = parent
        self.routine = routine      # None for the program
        self.vars = []
        self.callables = []         # routines that this scope's body may call
        self.loop_vars = {}         # kind -> list of FOR control variables
        self.counters = []          # WHILE and REPEAT counters

    def visible_vars(self):
        scope, result, names = self, [], set()
        while scope is not None:
            for v in scope.vars:
                if v.name not in names:
                    names.add(v.name)
                    result.append(v)
            scope = scope.parent
        return result


class Generator:
    def __init__(self, seed, size):
        self.rng = random.Random(seed)
        self.size = size
        self.lines = []
        self.indent = 0
        self.routines = []
        self.names = 0
        self.active_loops = []      # (var name, kind) of FOR loops being generated
        self.loop_depth = 0
        self.pure = False           # inside a function body: no side effects
        self.budget = 1
        self.globals = []

    # ---- small helpers -------------------------------------------------
    def chance(self, p):
        return self.rng.random() < p

    def pick(self, seq):
        return self.rng.choice(seq)

    def fresh(self, prefix):
        self.names += 1
        return "%s%d" % (prefix, self.names)

    def emit(self, text):
        self.lines.append("  " * self.indent + text)

    # ---- literals ------------------------------------------------------
    def int_literal(self):
        r = self.rng.random()
        if r < 0.6:
            return str(self.rng.randint(0, 20)), 20
        if r < 0.9:
            return str(self.rng.randint(0, 1000)), 1000
        n = self.rng.randint(0, 99999)
        return str(n), n

    def real_literal(self):
        digits = "".join(str(self.rng.randint(0, 9)) for _ in range(self.rng.randint(1, 3)))
        return "%d.%s" % (self.rng.randint(0, 99), digits), 100.0

    def char_literal(self):
        return "'%s'" % self.pick(LETTERS + PUNCT.replace(" ", ""))

    def string_literal(self):
        n = self.rng.randint(2, 12)
        chars = [self.pick(LETTERS + PUNCT) for _ in range(n)]
        return "'%s'" % "".join(chars)

    # ---- variables as values -------------------------------------------
    def readable(self, scope, kind, strtype=None):
        """Accesses of a visible variable that give a value of the kind."""
        result = []
        for v in scope.visible_vars():
            if v.kind == kind and (kind != "str" or strtype is None or v.strtype == strtype):
                result.append((v, v.name))
        for name, lkind in self.active_loops:
            if lkind == kind:
                result.append((None, name))
        return result

    def index(self, scope, lo, hi, depth):
        e, _ = self.int_expr(scope, depth + 1)
        n = hi - lo + 1
        if lo == 0:
            return "ABS((%s) MOD %d)" % (e, n)
        return "%d + ABS((%s) MOD %d)" % (lo, e, n)

    def element_accesses(self, scope, kind, depth, assign=False):
        """Array elements and record fields of the kind: (text, strtype)."""
        result = []
        for v in scope.visible_vars():
            if assign and not v.assignable:
                continue
            if v.kind == "vec" and kind == "int":
                result.append((lambda v=v: "%s[%s]" % (v.name, self.index(scope, 1, 5, depth)), None))
            elif v.kind == "mat" and kind == "int":
                result.append((lambda v=v: "%s[%s, %s]" % (v.name, self.index(scope, 1, 3, depth),
                                                          self.index(scope, 0, 2, depth)), None))
            elif v.kind == "strs" and kind == "str":
                result.append((lambda v=v: "%s[%s]" % (v.name, self.index(scope, 0, 2, depth)), "STR8"))
            elif v.kind == "rec":
                fields = {"int": ["A"], "real": ["R"], "str": ["S"], "char": ["C"]}.get(kind, [])
                for f in fields:
                    result.append((lambda v=v, f=f: "%s.%s" % (v.name, f), "STRING12" if f == "S" else None))
                if kind == "int":
                    result.append((lambda v=v: "%s.V[%s]" % (v.name, self.index(scope, 1, 3, depth)), None))
        return result

    # ---- expressions ---------------------------------------------------
    def calls_of(self, scope, kind):
        return [r for r in scope.callables if r.is_function and r.result[0] == kind
                and r.cost * self.budget <= 400]

    def call_text(self, scope, routine, depth):
        args = []
        for (_, pkind, pstr, by_ref) in routine.params:
            if by_ref:
                args.append(self.place(scope, pkind, pstr, depth + 1, for_var_param=True))
            else:
                args.append(self.value_argument(scope, pkind, pstr, depth + 1))
        if routine.recursive:
            e, _ = self.int_expr(scope, depth + 2)
            args[0] = "ABS((%s) MOD 6)" % e
        if not args:
            return routine.name
        if None in args:
            return None
        return "%s(%s)" % (routine.name, ", ".join(args))

    def value_argument(self, scope, kind, strtype, depth):
        if kind in ("vec", "rec"):
            cands = [v.name for v in scope.visible_vars() if v.kind == kind]
            return self.pick(cands)
        if kind == "real" and self.chance(0.2):
            return self.int_expr(scope, depth)[0]
        if kind == "str" and self.chance(0.2):
            return self.char_expr(scope, depth)
        return self.expr(scope, kind, depth)

    def expr(self, scope, kind, depth):
        if kind == "int":
            return self.int_expr(scope, depth)[0]
        if kind == "real":
            return self.real_expr(scope, depth)[0]
        if kind == "bool":
            return self.bool_expr(scope, depth)
        if kind == "char":
            return self.char_expr(scope, depth)
        if kind == "enum":
            return self.enum_expr(scope, depth)
        return self.str_expr(scope, depth)

    def leaf_budget(self, depth):
        return depth >= 3 or self.chance(0.25 + 0.15 * depth)

    def int_expr(self, scope, depth):
        if self.leaf_budget(depth):
            choices = []
            choices += [("lit", None)] * 2
            for v, text in self.readable(scope, "int"):
                bound = INT_LIMIT
                if v is None:
                    bound = 100
                elif v.is_const:
                    bound = 100
                choices.append(("var", (text, bound)))
            if choices and self.chance(0.7):
                k, data = self.pick(choices)
                if k == "var":
                    return data
            if self.chance(0.3):
                acc = self.element_accesses(scope, "int", depth)
                if acc:
                    return self.pick(acc)[0](), INT_LIMIT
            return self.int_literal()
        r = self.rng.randint(0, 16)
        if r <= 3:
            a, ba = self.int_expr(scope, depth + 1)
            b, bb = self.int_expr(scope, depth + 1)
            op = self.pick(["+", "-"])
            return "(%s %s %s)" % (a, op, b), ba + bb
        if r == 4:
            a, ba = self.int_expr(scope, depth + 1)
            b, bb = self.int_expr(scope, depth + 1)
            if ba * bb <= INT_EXPR_LIMIT:
                return "(%s * %s)" % (a, b), ba * bb
            if ba * 99 <= INT_EXPR_LIMIT:
                return "(%s * (%s MOD 100))" % (a, b), ba * 99
            return "(%s + %s)" % (a, b), ba + bb
        if r == 5:
            a, ba = self.int_expr(scope, depth + 1)
            b, _ = self.int_expr(scope, depth + 1)
            op = self.pick(["DIV", "MOD"])
            n = self.rng.randint(2, 9)
            return "(%s %s (ABS((%s) MOD %d) + 1))" % (a, op, b, n), ba
        if r == 6:
            a, ba = self.int_expr(scope, depth + 1)
            return "ABS(%s)" % a, ba
        if r == 7:
            a, ba = self.int_expr(scope, depth + 1)
            if ba * ba <= INT_EXPR_LIMIT:
                return "SQR(%s)" % a, ba * ba
            return "SQR((%s) MOD 1000)" % a, 999 * 999
        if r == 8:
            return "ORD(%s)" % self.char_expr(scope, depth + 1), 255
        if r == 9:
            return "LENGTH(%s)" % self.str_expr(scope, depth + 1), 255
        if r == 10:
            a, ba = self.real_expr(scope, depth + 1)
            return "TRUNC(%s)" % a, int(ba) + 1
        if r == 11:
            # ROUND never meets an exact half: the added part is no binary fraction
            a, ba = self.real_expr(scope, depth + 1)
            return "ROUND((%s) * 1.0001 + 0.0003)" % a, int(ba * 1.0001) + 2
        if r == 12:
            a, ba = self.int_expr(scope, depth + 1)
            return "%s(%s)" % (self.pick(["SUCC", "PRED"]), a), ba + 1
        if r == 13:
            return "ORD(%s)" % self.enum_expr(scope, depth + 1), 3
        if r == 14:
            calls = self.calls_of(scope, "int")
            if calls:
                return self.call_text(scope, self.pick(calls), depth), 10 * INT_LIMIT
        if r == 15:
            a, ba = self.int_expr(scope, depth + 1)
            return "(-%s)" % a, ba
        a, ba = self.int_expr(scope, depth + 1)
        return "(%s)" % a, ba

    def clamp_int(self, text, bound):
        if bound > INT_LIMIT:
            return "((%s) MOD 100003)" % text
        return text

    def real_expr(self, scope, depth):
        if self.leaf_budget(depth):
            vars_ = self.readable(scope, "real")
            if vars_ and self.chance(0.6):
                return self.pick(vars_)[1], REAL_LIMIT
            if self.chance(0.2):
                acc = self.element_accesses(scope, "real", depth)
                if acc:
                    return self.pick(acc)[0](), REAL_LIMIT
            if self.chance(0.2):
                a, ba = self.int_expr(scope, depth + 1)
                return a, ba
            return self.real_literal()
        r = self.rng.randint(0, 13)
        if r <= 2:
            a, ba = self.real_expr(scope, depth + 1)
            b, bb = (self.int_expr if self.chance(0.3) else self.real_expr)(scope, depth + 1)
            op = self.pick(["+", "-"])
            if self.chance(0.5):
                a, ba, b, bb = b, bb, a, ba
            return "(%s %s %s)" % (a, op, b), ba + bb
        if r == 3:
            a, ba = self.real_expr(scope, depth + 1)
            b, bb = (self.int_expr if self.chance(0.3) else self.real_expr)(scope, depth + 1)
            if ba * bb <= REAL_EXPR_LIMIT:
                return "(%s * %s)" % (a, b), ba * bb
            return "(%s / (ABS(%s) + 1.5))" % (a, b), ba
        if r == 4:
            a, ba = self.real_expr(scope, depth + 1)
            b, _ = self.real_expr(scope, depth + 1)
            return "(%s / (ABS(%s) + 0.25))" % (a, b), ba * 4
        if r == 5:
            a, ba = self.int_expr(scope, depth + 1)
            b, _ = self.int_expr(scope, depth + 1)
            return "(%s / (ABS((%s) MOD 7) + 1))" % (a, b), ba
        if r == 6:
            a, ba = self.real_expr(scope, depth + 1)
            return "ABS(%s)" % a, ba
        if r == 7:
            a, ba = self.real_expr(scope, depth + 1)
            if ba * ba <= REAL_EXPR_LIMIT:
                return "SQR(%s)" % a, ba * ba
            return "SQR(SIN(%s))" % a, 1
        if r == 8:
            a, ba = self.real_expr(scope, depth + 1)
            return "SQRT(ABS(%s))" % a, ba ** 0.5 + 1
        if r == 9:
            a, _ = self.real_expr(scope, depth + 1)
            return "%s(%s)" % (self.pick(["SIN", "COS", "ARCTAN"]), a), 2
        if r == 10:
            a, _ = self.real_expr(scope, depth + 1)
            return "EXP(SIN(%s))" % a, 3
        if r == 11:
            a, ba = self.real_expr(scope, depth + 1)
            return "LN(ABS(%s) + 1)" % a, 25
        if r == 12:
            calls = self.calls_of(scope, "real")
            if calls:
                return self.call_text(scope, self.pick(calls), depth), 10 * REAL_LIMIT
        a, ba = self.real_expr(scope, depth + 1)
        return "(-%s)" % a, ba

    def clamp_real(self, text, bound):
        if bound > REAL_LIMIT:
            return "(ARCTAN(%s) * 100)" % text
        return text

    def bool_expr(self, scope, depth):
        if self.leaf_budget(depth):
            vars_ = self.readable(scope, "bool")
            if vars_ and self.chance(0.5):
                return self.pick(vars_)[1]
            if self.chance(0.3):
                return self.pick(["TRUE", "FALSE"])
        r = self.rng.randint(0, 11)
        rel = self.pick(["=", "<>", "<", ">", "<=", ">="])
        if r <= 1:
            return "(%s %s %s)" % (self.int_expr(scope, depth + 1)[0], rel, self.int_expr(scope, depth + 1)[0])
        if r == 2:
            # reals compared for order only: equality could hang on the last bit
            rel = self.pick(["<", ">"])
            a = self.pick([self.real_expr, self.int_expr])(scope, depth + 1)[0]
            return "(%s %s %s)" % (a, rel, self.real_expr(scope, depth + 1)[0])
        if r == 3:
            return "(%s %s %s)" % (self.char_expr(scope, depth + 1), rel, self.char_expr(scope, depth + 1))
        if r == 4:
            a = self.str_expr(scope, depth + 1) if self.chance(0.8) else self.char_expr(scope, depth + 1)
            b = self.str_expr(scope, depth + 1) if self.chance(0.8) else self.char_expr(scope, depth + 1)
            return "(%s %s %s)" % (a, rel, b)
        if r == 5:
            return "(%s %s %s)" % (self.enum_expr(scope, depth + 1), self.pick(["=", "<>"]),
                                   self.enum_expr(scope, depth + 1))
        if r == 6:
            return "(%s %s %s)" % (self.bool_expr(scope, depth + 1), self.pick(["=", "<>"]),
                                   self.bool_expr(scope, depth + 1))
        if r in (7, 8):
            return "(%s %s %s)" % (self.bool_expr(scope, depth + 1), self.pick(["AND", "OR"]),
                                   self.bool_expr(scope, depth + 1))
        if r == 9:
            return "(NOT %s)" % self.bool_expr(scope, depth + 1)
        if r == 10:
            return "ODD(%s)" % self.int_expr(scope, depth + 1)[0]
        calls = self.calls_of(scope, "bool")
        if calls:
            return self.call_text(scope, self.pick(calls), depth)
        return "(%s > %s)" % (self.int_expr(scope, depth + 1)[0], self.int_expr(scope, depth + 1)[0])

    def char_expr(self, scope, depth):
        if self.leaf_budget(depth):
            vars_ = self.readable(scope, "char")
            if vars_ and self.chance(0.6):
                return self.pick(vars_)[1]
            if self.chance(0.2):
                acc = self.element_accesses(scope, "char", depth)
                if acc:
                    return self.pick(acc)[0]()
            return self.char_literal()
        r = self.rng.randint(0, 5)
        if r == 0:
            return "CHR(33 + ABS((%s) MOD 93))" % self.int_expr(scope, depth + 1)[0]
        if r == 1:
            return "UPCASE(%s)" % self.char_expr(scope, depth + 1)
        if r == 2:
            return "%s(CHR(33 + ABS((%s) MOD 93)))" % (self.pick(["SUCC", "PRED"]),
                                                       self.int_expr(scope, depth + 1)[0])
        if r == 3:
            strs = [t for _, t in self.readable(scope, "str")]
            if strs:
                s = self.pick(strs)
                return "%s[1 + ABS((%s) MOD LENGTH(%s))]" % (s, self.int_expr(scope, depth + 1)[0], s)
        if r == 4:
            calls = self.calls_of(scope, "char")
            if calls:
                return self.call_text(scope, self.pick(calls), depth)
        return self.char_literal()

    def enum_expr(self, scope, depth):
        vars_ = self.readable(scope, "enum")
        if vars_ and self.chance(0.6):
            return self.pick(vars_)[1]
        if self.chance(0.3):
            i = self.rng.randint(0, 2)
            return "SUCC(%s)" % ENUM_VALUES[i]
        if self.chance(0.3):
            i = self.rng.randint(1, 3)
            return "PRED(%s)" % ENUM_VALUES[i]
        return self.pick(ENUM_VALUES)

    def str_expr(self, scope, depth):
        if self.leaf_budget(depth):
            vars_ = self.readable(scope, "str")
            if vars_ and self.chance(0.6):
                return self.pick(vars_)[1]
            if self.chance(0.3):
                acc = self.element_accesses(scope, "str", depth)
                if acc:
                    return self.pick(acc)[0]()
            return self.string_literal()
        r = self.rng.randint(0, 5)
        if r <= 2:
            a = self.str_expr(scope, depth + 1) if self.chance(0.75) else self.char_expr(scope, depth + 1)
            b = self.str_expr(scope, depth + 1) if self.chance(0.75) else self.char_expr(scope, depth + 1)
            return "(%s + %s)" % (a, b)
        if r == 3:
            calls = self.calls_of(scope, "str")
            if calls:
                return self.call_text(scope, self.pick(calls), depth)
        return self.str_expr(scope, depth + 1)

    # ---- places (assignment targets and VAR arguments) ------------------
    def place(self, scope, kind, strtype, depth, for_var_param=False):
        """Text of an assignable place of the kind; None when there is none."""
        cands = []
        for v in scope.visible_vars():
            if not v.assignable or v.is_const:
                continue
            if self.pure and not self.is_local(scope, v):
                continue
            if v.kind == kind and (kind != "str" or not for_var_param or v.strtype == strtype):
                cands.append(lambda v=v: v.name)
        for acc, st in self.element_accesses(scope, kind, depth, assign=True):
            if kind == "str" and for_var_param and st != strtype:
                continue
            if self.pure:
                continue
            cands.append(acc)
        if not cands:
            return None
        return self.pick(cands)()

    def is_local(self, scope, v):
        return v in scope.vars

    # ---- statements ----------------------------------------------------
    def statement(self, scope, depth):
        r = self.rng.randint(0, 23)
        if r >= 20:
            r = self.pick([10, 14, 16])
        if depth >= 3:
            r = self.pick([0, 0, 1, 2, 14, 15])
        if r <= 3:
            return self.assignment(scope, depth)
        if r == 4:
            return self.if_statement(scope, depth)
        if r == 5:
            return self.case_statement(scope, depth)
        if r == 6 and self.loop_depth < 2:
            return self.for_statement(scope, depth)
        if r == 7 and self.loop_depth < 2:
            return self.while_statement(scope, depth)
        if r == 8 and self.loop_depth < 2:
            return self.repeat_statement(scope, depth)
        if r == 9 and self.loop_depth > 0:
            if self.chance(0.3):
                self.emit("%s;" % self.pick(["BREAK", "CONTINUE"]))
            else:
                self.emit("IF %s THEN %s;" % (self.bool_expr(scope, 2), self.pick(["BREAK", "CONTINUE"])))
            return
        if r in (10, 11) and not self.pure:
            return self.call_statement(scope, depth)
        if r == 12:
            self.emit("BEGIN")
            self.indent += 1
            for _ in range(self.rng.randint(1, 3)):
                self.statement(scope, depth + 1)
            self.indent -= 1
            self.emit("END;")
            return
        if r == 13:
            p = self.place(scope, "int", None, 2)
            if p is not None:
                self.emit("IF ABS(%s) < %d THEN %s(%s);" % (p, INT_LIMIT - 10, self.pick(["INC", "DEC"]), p))
                return
        if r == 14 and not self.pure:
            return self.write_statement(scope)
        if r == 15:
            return self.enum_step(scope)
        if r == 16 and not self.pure:
            return self.heap_statement(scope)
        return self.assignment(scope, depth)

    def heap_statement(self, scope):
        """The global list of heap records: push, pop, change, walk."""
        r = self.rng.randint(0, 5)
        if r <= 1 and self.budget <= 100:
            self.emit("BEGIN NEW(gq); gq^.K := %s; gq^.T := %s; gq^.NXT := gh; gh := gq; END;" % (
                self.clamp_int(*self.int_expr(scope, 1)), self.str_expr(scope, 1)))
        elif r == 2:
            self.emit("IF gh <> NIL THEN BEGIN gq := gh; gh := gh^.NXT; DISPOSE(gq); END;")
        elif r == 3:
            self.emit("IF gh <> NIL THEN gh^.K := %s;" % self.clamp_int(*self.int_expr(scope, 1)))
        elif r == 4:
            self.emit("IF gh <> NIL THEN IF gh^.NXT <> NIL THEN gh^.NXT^.T[1] := %s;" % self.char_expr(scope, 1))
        else:
            self.emit("BEGIN gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN; END;")

    def assignment(self, scope, depth):
        kind = self.pick(["int", "int", "real", "bool", "char", "str", "str", "enum"])
        if kind == "char" and self.chance(0.3) and not self.pure:
            strs = [v for v in scope.visible_vars() if v.kind == "str" and v.assignable]
            if self.pure:
                strs = [v for v in strs if self.is_local(scope, v)]
            if strs:
                s = self.pick(strs).name
                self.emit("%s[1 + ABS((%s) MOD LENGTH(%s))] := %s;" % (
                    s, self.int_expr(scope, 1)[0], s, self.char_expr(scope, 1)))
                return
        target = self.place(scope, kind, None, 1)
        if self.pure and scope.routine is not None and scope.routine.is_function and self.chance(0.3):
            rk = scope.routine.result[0]
            self.emit("%s := %s;" % (scope.routine.name, self.result_expr(scope, rk)))
            return
        if target is None:
            return
        if kind == "int":
            e, b = self.int_expr(scope, 0)
            value = self.clamp_int(e, b)
        elif kind == "real":
            if self.chance(0.2):
                e, b = self.int_expr(scope, 0)
                value = "((%s) MOD 9973)" % e if b > REAL_LIMIT else e
            else:
                e, b = self.real_expr(scope, 0)
                value = self.clamp_real(e, b)
        elif kind == "str" and self.chance(0.15):
            value = self.char_expr(scope, 0)
        else:
            value = self.expr(scope, kind, 0)
        self.emit("%s := %s;" % (target, value))

    def result_expr(self, scope, kind):
        if kind == "int":
            return self.clamp_int(*self.int_expr(scope, 0))
        if kind == "real" and self.chance(0.2):
            e, b = self.int_expr(scope, 0)
            return "((%s) MOD 9973)" % e if b > REAL_LIMIT else e
        if kind == "real":
            return self.clamp_real(*self.real_expr(scope, 0))
        return self.expr(scope, kind, 0)

    def enum_step(self, scope):
        p = self.place(scope, "enum", None, 2)
        if p is None:
            return
        if self.chance(0.5):
            self.emit("IF %s <> E3 THEN %s := SUCC(%s);" % (p, p, p))
        else:
            self.emit("IF %s <> E0 THEN %s := PRED(%s);" % (p, p, p))

    def body(self, scope, depth, count):
        self.indent += 1
        for _ in range(count):
            self.statement(scope, depth + 1)
        self.indent -= 1

    def block_statement(self, scope, depth):
        """A statement as the body of IF, CASE, or a loop."""
        if self.chance(0.5):
            self.emit("BEGIN")
            self.body(scope, depth, self.rng.randint(1, 3))
            self.emit("END")
        else:
            # a single statement without its own ';'
            mark = len(self.lines)
            self.indent += 1
            self.statement(scope, depth + 1)
            self.indent -= 1
            if len(self.lines) == mark + 1 and self.lines[-1].endswith(";"):
                self.lines[-1] = self.lines[-1][:-1]
            else:
                # several lines or none: wrap them
                inner = self.lines[mark:]
                del self.lines[mark:]
                self.emit("BEGIN")
                for line in inner:
                    self.lines.append("  " + line)
                self.emit("END")

    def if_statement(self, scope, depth):
        self.emit("IF %s THEN" % self.bool_expr(scope, 0))
        self.block_statement(scope, depth)
        if self.chance(0.5):
            self.lines[-1] += ""
            self.emit("ELSE")
            self.block_statement(scope, depth)
        self.lines[-1] += ";"

    def case_statement(self, scope, depth):
        kind = self.pick(["int", "int", "char", "enum"])
        if kind == "int":
            n = self.rng.randint(3, 8)
            self.emit("CASE ABS((%s) MOD %d) OF" % (self.int_expr(scope, 1)[0], n))
            values = list(range(n + 1))
        elif kind == "char":
            self.emit("CASE %s OF" % self.char_expr(scope, 1))
            values = [chr(c) for c in range(ord("a"), ord("k") + 1)]
        else:
            self.emit("CASE %s OF" % self.enum_expr(scope, 1))
            values = list(ENUM_VALUES)
        # contiguous runs of the values become single labels or ranges
        units, pos = [], 0
        while pos < len(values):
            n = self.rng.randint(1, 3)
            run = values[pos:pos + n]
            pos += n
            if len(run) == 1 or self.chance(0.4):
                units.append(self.label_text(kind, run[0]))
            else:
                units.append("%s..%s" % (self.label_text(kind, run[0]), self.label_text(kind, run[-1])))
        self.rng.shuffle(units)
        arms = self.rng.randint(1, min(4, len(units)))
        self.indent += 1
        for _ in range(arms):
            labels = [units.pop() for _ in range(min(len(units), self.rng.randint(1, 2)))]
            if not labels:
                break
            self.emit("%s:" % ", ".join(labels))
            self.block_statement(scope, depth + 1)
            self.lines[-1] += ";"
        if self.chance(0.4):
            self.emit("ELSE")
            self.block_statement(scope, depth + 1)
            self.lines[-1] += ";"
        self.indent -= 1
        self.emit("END;")

    @staticmethod
    def label_text(kind, value):
        if kind == "char":
            return "'%s'" % value
        return str(value)

    def loop_var(self, scope, kind):
        used = {name for name, _ in self.active_loops}
        for v in scope.loop_vars.get(kind, []):
            if v not in used:
                return v
        name = self.fresh({"int": "fi", "char": "fc", "enum": "fe"}[kind])
        scope.loop_vars.setdefault(kind, []).append(name)
        return name

    def counter(self, scope):
        name = "w%d" % (self.loop_depth + 1)
        if name not in scope.counters:
            scope.counters.append(name)
        return name

    def for_statement(self, scope, depth):
        kind = self.pick(["int", "int", "int", "char", "enum"])
        var = self.loop_var(scope, kind)
        down = self.chance(0.35)
        if kind == "int":
            a = self.rng.randint(-3, 4)
            b = a + self.rng.randint(-1, 4)
            lo, hi = ("(%d)" % a if a < 0 else str(a)), ("(%d)" % b if b < 0 else str(b))
        elif kind == "char":
            a = self.rng.randint(ord("a"), ord("x"))
            b = a + self.rng.randint(-1, 4)
            lo, hi = "'%s'" % chr(a), "'%s'" % chr(b)
        else:
            a, b = self.rng.randint(0, 3), self.rng.randint(0, 3)
            lo, hi = ENUM_VALUES[a], ENUM_VALUES[b]
        if down:
            lo, hi = hi, lo
        iterations = 5
        if self.budget * iterations > 400:
            return self.assignment(scope, depth)
        self.emit("FOR %s := %s %s %s DO" % (var, lo, "DOWNTO" if down else "TO", hi))
        self.active_loops.append((var, kind))
        self.loop_depth += 1
        self.budget *= iterations
        self.block_statement(scope, depth)
        self.budget //= iterations
        self.loop_depth -= 1
        self.active_loops.pop()
        self.lines[-1] += ";"

    def while_statement(self, scope, depth):
        if self.budget * 4 > 400:
            return self.assignment(scope, depth)
        w = self.counter(scope)
        n = self.rng.randint(0, 4)
        self.emit("%s := 0;" % w)
        self.emit("WHILE (%s < %d) AND %s DO" % (w, n, self.bool_expr(scope, 1)))
        self.emit("BEGIN")
        self.loop_depth += 1
        self.budget *= 4
        self.indent += 1
        self.emit("%s := %s + 1;" % (w, w))
        for _ in range(self.rng.randint(1, 3)):
            self.statement(scope, depth + 1)
        self.indent -= 1
        self.budget //= 4
        self.loop_depth -= 1
        self.emit("END;")

    def repeat_statement(self, scope, depth):
        if self.budget * 4 > 400:
            return self.assignment(scope, depth)
        w = self.counter(scope)
        n = self.rng.randint(1, 4)
        self.emit("%s := 0;" % w)
        self.emit("REPEAT")
        self.loop_depth += 1
        self.budget *= 4
        self.indent += 1
        self.emit("%s := %s + 1;" % (w, w))
        for _ in range(self.rng.randint(1, 3)):
            self.statement(scope, depth + 1)
        self.indent -= 1
        self.budget //= 4
        self.loop_depth -= 1
        self.emit("UNTIL (%s >= %d) OR %s;" % (w, n, self.bool_expr(scope, 1)))

    def call_statement(self, scope, depth):
        procs = [r for r in scope.callables if not r.is_function and r.cost * self.budget <= 400]
        if not procs:
            return self.write_statement(scope)
        routine = self.pick(procs)
        text = self.call_text(scope, routine, 1)
        if text is None:
            return self.write_statement(scope)
        self.emit(text + ";")

    def write_item(self, scope):
        kind = self.pick(["int", "int", "real", "bool", "char", "str", "str"])
        if kind == "int":
            e = self.int_expr(scope, 1)[0]
            return "%s:%d" % (e, self.rng.randint(0, 8)) if self.chance(0.4) else e
        if kind == "real":
            # a REAL for certain; decimals from 1: a whole number cannot be
            # told from an integer when the last digit is compared
            e = self.real_expr(scope, 1)[0]
            return "(%s + 0.0):%d:%d" % (e, self.rng.randint(0, 10), self.rng.randint(1, 4))
        e = self.expr(scope, kind, 1)
        if self.chance(0.3):
            return "%s:%d" % (e, self.rng.randint(0, 14))
        return e

    def write_statement(self, scope):
        items = [self.write_item(scope) for _ in range(self.rng.randint(1, 4))]
        items = [items[0]] + [x for i in items[1:] for x in ("' '", i)]
        command = self.pick(["WRITE", "WRITELN", "WRITELN"])
        if command == "WRITE":
            items.append("' '")  # keeps a number apart from what follows
        self.emit("%s(%s);" % (command, ", ".join(items)))

    # ---- declarations --------------------------------------------------
    def declare_vars(self, scope, prefix, globals_=False):
        kinds = ["int", "int", "int", "real", "real", "bool", "char", "char", "str", "str", "enum"]
        if globals_:
            kinds += ["vec", "mat", "rec", "strs", "str", "int"]
        count = self.rng.randint(2, 5) if not globals_ else len(kinds)
        chosen = kinds if globals_ else [self.pick(kinds) for _ in range(count)]
        decls = []
        for kind in chosen:
            name = self.fresh(prefix)
            if not globals_ and self.globals and self.chance(0.2):
                taken = {v.name for v in scope.vars}
                free = [g for g in self.globals if g.name not in taken and g.kind not in ("vec", "mat", "rec", "strs")]
                if free:
                    name = self.pick(free).name
            strtype = None
            if kind == "str":
                strtype = self.pick(list(STRING_TYPES))
            v = Var(name, kind, strtype)
            scope.vars.append(v)
            decls.append(v)
        return decls

    @staticmethod
    def type_text(kind, strtype=None):
        return {"int": "INTEGER", "real": "REAL", "bool": "BOOLEAN", "char": "CHAR", "enum": "EN",
                "vec": "VEC", "mat": "MAT", "rec": "REC", "strs": "STRS", "str": strtype}[kind]

    def initialise(self, scope, v):
        """Statements that give every word of the variable a value."""
        if v.kind == "vec":
            self.emit("FOR %s := 1 TO 5 DO %s[%s] := %s * %d;" % ("fi0", v.name, "fi0", "fi0",
                                                                 self.rng.randint(1, 9)))
        elif v.kind == "mat":
            self.emit("FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO %s[fi0, fj0] := fi0 * %d - fj0;" % (
                v.name, self.rng.randint(1, 9)))
        elif v.kind == "rec":
            self.emit("%s.A := %s; %s.R := %s; %s.S := %s; %s.C := %s;" % (
                v.name, self.int_literal()[0], v.name, self.real_literal()[0], v.name,
                self.string_literal(), v.name, self.char_literal()))
            self.emit("FOR fi0 := 1 TO 3 DO %s.V[fi0] := fi0 + %d;" % (v.name, self.rng.randint(0, 9)))
        elif v.kind == "strs":
            self.emit("FOR fi0 := 0 TO 2 DO %s[fi0] := %s;" % (v.name, self.string_literal()))
        else:
            value = {"int": lambda: self.int_literal()[0], "real": lambda: self.real_literal()[0],
                     "bool": lambda: self.pick(["TRUE", "FALSE"]), "char": self.char_literal,
                     "enum": lambda: self.pick(ENUM_VALUES), "str": self.string_literal}[v.kind]()
            self.emit("%s := %s;" % (v.name, value))

    def show(self, v):
        """A statement that writes the variable's value."""
        if v.kind == "vec":
            self.emit("FOR fi0 := 1 TO 5 DO WRITE(%s[fi0], ' '); WRITELN;" % v.name)
        elif v.kind == "mat":
            self.emit("FOR fi0 := 1 TO 3 DO FOR fj0 := 0 TO 2 DO WRITE(%s[fi0, fj0], ' '); WRITELN;" % v.name)
        elif v.kind == "rec":
            self.emit("WRITELN(%s.A, ' ', %s.R:0:4, ' ', %s.S, ' ', %s.C, ' ', %s.V[1], ' ', %s.V[2], ' ', %s.V[3]);"
                      % ((v.name,) * 7))
        elif v.kind == "strs":
            self.emit("WRITELN(%s[0], '|', %s[1], '|', %s[2]);" % ((v.name,) * 3))
        elif v.kind == "real":
            self.emit("WRITELN('%s=', %s:0:4);" % (v.name, v.name))
        elif v.kind == "enum":
            self.emit("WRITELN('%s=', ORD(%s));" % (v.name, v.name))
        else:
            self.emit("WRITELN('%s=', %s);" % (v.name, v.name))

    def text_file_round_trip(self, globals_):
        """Writes some globals to a text file and reads them back."""
        ints = [v.name for v in globals_ if v.kind == "int"]
        reals = [v.name for v in globals_ if v.kind == "real"]
        strs = [v.name for v in globals_ if v.kind == "str"]
        i, r, t = self.pick(ints), self.pick(reals), self.pick(strs)
        self.emit("ASSIGN(gf, 'gen.txt'); REWRITE(gf);")
        self.emit("WRITELN(gf, %s, ' ', %s:0:3); WRITE(gf, %s); WRITELN(gf); CLOSE(gf);" % (i, r, t))
        self.emit("RESET(gf); READ(gf, gfi); READLN(gf, gfr); READLN(gf, gfs); CLOSE(gf);")
        self.emit("WRITELN(gfi, ' ', gfr:0:3, ' [', gfs, ']');")
        self.emit("APPEND(gf); WRITELN(gf, 'more'); CLOSE(gf); RESET(gf); gfi := 0;")
        self.emit("WHILE NOT EOF(gf) DO BEGIN READLN(gf, gfs); gfi := gfi + 1; END; CLOSE(gf);")
        self.emit("WRITELN(gfi, ' lines, last [', gfs, ']');")

    def routine(self, parent, depth, index):
        is_function = self.chance(0.45)
        name = self.fresh("f" if is_function else "p")
        params = []
        for _ in range(self.rng.randint(0, 3)):
            kind = self.pick(["int", "int", "real", "bool", "char", "str", "enum", "vec", "rec"])
            strtype = self.pick(list(STRING_TYPES)) if kind == "str" else None
            by_ref = (not is_function) and self.chance(0.4)
            params.append((self.fresh("a"), kind, strtype, by_ref))
        result = None
        if is_function:
            rk = self.pick(["int", "int", "real", "bool", "char", "str"])
            result = (rk, "STRING" if rk == "str" else None)
        recursive = is_function and result[0] in ("int", "real") and self.chance(0.3)
        if recursive:
            params.insert(0, (self.fresh("n"), "int", None, False))
        routine = Routine(name, is_function, result, params, depth)
        routine.recursive = recursive

        scope = Scope(parent, routine)
        for (pname, kind, strtype, by_ref) in params:
            scope.vars.append(Var(pname, kind, strtype))
        # what this routine may call: what its parent may call so far
        scope.callables = list(parent.callables)

        header = "FUNCTION" if is_function else "PROCEDURE"
        groups = []
        for (pname, kind, strtype, by_ref) in params:
            groups.append("%s%s: %s" % ("VAR " if by_ref else "", pname, self.type_text(kind, strtype)))
        text = "%s %s" % (header, name)
        if groups:
            text += "(%s)" % "; ".join(groups)
        if is_function:
            text += ": %s" % self.type_text(result[0], result[1])
        self.emit(text + ";")
        decl_at = len(self.lines)
        locals_ = self.declare_vars(scope, "l")
        # nested routines see the locals declared before them
        if depth < 2 and self.chance(0.4):
            for i in range(self.rng.randint(1, 2)):
                child = self.routine(scope, depth + 1, i)
                scope.callables.append(child)
        # the body
        saved_pure = self.pure
        self.pure = is_function
        self.emit("BEGIN")
        self.indent += 1
        body_at = len(self.lines)
        for v in locals_:
            self.initialise(scope, v)
        if is_function:
            self.emit("%s := %s;" % (name, self.result_expr(scope, result[0])))
        saved_budget = self.budget
        self.budget = 1
        if recursive:
            n = params[0][0]
            combine = "+" if self.chance(0.6) else "-"
            part = self.result_expr(scope, result[0])
            if result[0] == "int":
                part = "((%s) MOD 1000)" % part
            self.emit("IF %s > 0 THEN %s := %s %s %s;" % (
                n, name, part, combine, self.call_recursive(scope, routine)))
        for _ in range(self.rng.randint(2, 6 if depth == 0 else 4)):
            self.statement(scope, 1)
        if not is_function:
            for v in locals_:
                if self.chance(0.5):
                    self.show(v)
        routine.cost = max(1, self.body_cost(body_at)) * (6 if recursive else 1)
        self.budget = saved_budget
        self.indent -= 1
        self.emit("END;")
        self.pure = saved_pure
        # local declarations, written now that the loop variables are known
        decls = self.var_section(scope, locals_)
        self.lines[decl_at:decl_at] = ["  " * self.indent + line for line in decls]
        return routine

    def call_recursive(self, scope, routine):
        args = ["%s - 1" % routine.params[0][0]]
        for (pname, kind, strtype, by_ref) in routine.params[1:]:
            args.append(pname)
        return "%s(%s)" % (routine.name, ", ".join(args))

    def body_cost(self, start):
        # a rough count of the work the routine does per call
        text = "\n".join(self.lines[start:])
        return 1 + text.count("FOR ") * 5 + text.count("WHILE ") * 4 + text.count("REPEAT") * 4 \
            + sum(r.cost for r in self.routines if r.name + "(" in text)

    def var_section(self, scope, locals_):
        lines = []
        items = [(v.name, self.type_text(v.kind, v.strtype)) for v in locals_]
        for kind, names in scope.loop_vars.items():
            for n in names:
                items.append((n, self.type_text(kind)))
        for c in scope.counters:
            items.append((c, "INTEGER"))
        if any(v.kind in ("vec", "rec", "mat", "strs") for v in locals_):
            items += [("fi0", "INTEGER"), ("fj0", "INTEGER")]
        if not items:
            return lines
        lines.append("VAR")
        for n, t in items:
            lines.append("  %s: %s;" % (n, t))
        return lines

    def program(self):
        self.emit("PROGRAM gen;")
        self.emit("CONST")
        self.emit("  K1 = 7; K2 = 'konst'; K3 = 2.5; K4 = TRUE; K5 = 'k';")
        self.emit("TYPE")
        self.emit("  STR8 = STRING[8];")
        self.emit("  STR20 = STRING[20];")
        self.emit("  EN = (E0, E1, E2, E3);")
        self.emit("  VEC = ARRAY[1..5] OF INTEGER;")
        self.emit("  MAT = ARRAY[1..3, 0..2] OF INTEGER;")
        self.emit("  REC = RECORD A: INTEGER; R: REAL; S: STRING[12]; C: CHAR; V: ARRAY[1..3] OF INTEGER; END;")
        self.emit("  STRS = ARRAY[0..2] OF STR8;")
        self.emit("  NODE = RECORD K: INTEGER; T: STRING[6]; NXT: ^NODE; END;")
        self.emit("  PNODE = ^NODE;")
        top = Scope(None, None)
        top.vars += [Var("K1", "int", is_const=True, assignable=False),
                     Var("K2", "str", "STRING", is_const=True, assignable=False),
                     Var("K3", "real", is_const=True, assignable=False),
                     Var("K4", "bool", is_const=True, assignable=False),
                     Var("K5", "char", is_const=True, assignable=False)]
        globals_ = self.declare_vars(top, "g", globals_=True)
        self.globals = list(globals_)
        decl_at = len(self.lines)
        for i in range(self.rng.randint(2, 2 + self.size)):
            r = self.routine(top, 0, i)
            self.routines.append(r)
            top.callables.append(r)
        self.emit("BEGIN")
        self.indent += 1
        self.emit("gh := NIL;")
        for v in globals_:
            self.initialise(top, v)
        self.budget = 1
        for _ in range(self.rng.randint(4 + self.size, 6 + 4 * self.size)):
            self.statement(top, 0)
        for v in globals_:
            self.show(v)
        self.text_file_round_trip(globals_)
        self.emit("gq := gh; WHILE gq <> NIL DO BEGIN WRITE(gq^.K, gq^.T, ' '); gq := gq^.NXT; END; WRITELN;")
        self.indent -= 1
        self.emit("END.")
        decls = self.var_section(top, globals_)
        if "fi0" not in " ".join(decls):
            decls += ["  fi0: INTEGER;", "  fj0: INTEGER;"]
        decls += ["  gh, gq: PNODE;", "  gf: TEXT;", "  gfi: INTEGER;", "  gfr: REAL;", "  gfs: STRING;"]
        self.lines[decl_at:decl_at] = decls
        return "\n".join(self.lines) + "\n"


def main():
    seed = int(sys.argv[1])
    size = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    sys.stdout.write(Generator(seed, size).program())


if __name__ == "__main__":
    main()
